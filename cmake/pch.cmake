# SPDX-License-Identifier: GPL-3.0-or-later
# Qt's headers take most of each compile. They are compiled once per build into a
# precompiled header that every target of the same kind reuses: "core" (the rules), "widgets"
# (the rest of the program), and for the tests "prova_core" and "prova" (the same with Qt
# Test, one per folder). cmake/pch_<kind>.h lists the headers. With MASSA_PCH off each
# source parses them itself; the style check always does, so a missing include still shows.
option(MASSA_PCH "Precompile Qt's headers once per build for the targets that use them" ON)

function(massa_pch target tipo)
  if(NOT MASSA_PCH)
    return()
  endif()
  get_target_property(genere ${target} TYPE)
  if(WIN32 AND genere STREQUAL "EXECUTABLE")
    # Qt's entry point defines QT_NEEDS_QMAIN for Windows programs alone: a header
    # precompiled without it does not fit them, and their few sources parse Qt's headers.
    return()
  endif()
  set(fonte massa_pch_${tipo})
  if(tipo MATCHES "^prova")
    # Qt Test defines the test's build folder for every source: one for each folder.
    file(RELATIVE_PATH cartella ${PROJECT_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR})
    string(MAKE_C_IDENTIFIER "${cartella}" cartella)
    string(APPEND fonte _${cartella})
  endif()
  if(NOT TARGET ${fonte})
    if(tipo STREQUAL "core")
      set(moduli Qt6::Core)
    elseif(tipo STREQUAL "widgets")
      set(moduli Qt6::Widgets)
    elseif(tipo STREQUAL "prova_core")
      set(moduli Qt6::Core Qt6::Test)
    elseif(tipo STREQUAL "prova")
      set(moduli Qt6::Widgets Qt6::Test)
    else()
      message(FATAL_ERROR "massa_pch: no kind ${tipo}")
    endif()
    # Executables and libraries alike reuse it: -fPIE and -fPIC give the same headers.
    add_library(${fonte} STATIC EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/cmake/pch.cpp)
    target_link_libraries(${fonte} PRIVATE ${moduli} massa_opzioni)
    set_target_properties(${fonte} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    # The headers the sources include, not whole modules: a smaller header loads faster.
    target_precompile_headers(${fonte} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/pch_${tipo}.h)
  endif()
  target_precompile_headers(${target} REUSE_FROM ${fonte})
endfunction()
