# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the program's folder together and makes both installers from it, the same bytes from
# the same sources: file times and the package's identity come from SOURCE_DATE_EPOCH (or the
# last commit) and from the files themselves, never from the clock.
# cmake -DBINARI= -DSORGENTI= -DUSCITA= -DVERSIONE= -DICONA= -DMAKENSIS= -DWIXL= -DGIT= -P installatori.cmake
if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
  execute_process(COMMAND git -C "${GIT}" log -1 --format=%ct
    OUTPUT_VARIABLE epoca OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE esito ERROR_QUIET)
  if(NOT esito EQUAL 0 OR NOT epoca MATCHES "^[0-9]+$")
    set(epoca 0)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${epoca})
endif()

set(cartella "${USCITA}/Misure di massa")
file(REMOVE_RECURSE ${USCITA})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARI} --prefix ${cartella} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE file LIST_DIRECTORIES false RELATIVE ${cartella} ${cartella}/*)
list(SORT file)
execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${cartella} COMMAND_ERROR_IS_FATAL ANY)
foreach(f IN LISTS file)
  execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${cartella}/${f} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# Identities: the product's changes with the version (each version upgrades the last), the
# package's with the contents; the upgrade code never changes.
set(spazio 6f1f3f0e-5b1a-4c43-9d2e-6d6173736100)
set(impronte "")
foreach(f IN LISTS file)
  file(SHA256 ${cartella}/${f} h)
  string(APPEND impronte "${f}=${h};")
endforeach()
string(UUID prodotto NAMESPACE ${spazio} NAME "prodotto ${VERSIONE}" TYPE SHA1 UPPER)
string(UUID pacchetto NAMESPACE ${spazio} NAME "pacchetto ${VERSIONE} ${impronte}" TYPE SHA1 UPPER)
string(UUID aggiornamento NAMESPACE ${spazio} NAME "aggiornamento" TYPE SHA1 UPPER)

# The MSI's tree, one component per file; and the NSIS uninstaller's list.
set(componenti "")
set(riferimenti "")
set(cancella "")
set(cartelle "")
set(n 0)
foreach(f IN LISTS file)
  math(EXPR n "${n} + 1")
  string(UUID guid NAMESPACE ${spazio} NAME "file ${f}" TYPE SHA1 UPPER)
  get_filename_component(sotto ${f} DIRECTORY)
  string(REPLACE "/" "\\" fw "${f}")
  set(voce "<Component Id=\"c${n}\" Guid=\"${guid}\" Win64=\"yes\"><File Id=\"f${n}\" Source=\"Misure di massa/${f}\" KeyPath=\"yes\"/></Component>")
  if(sotto STREQUAL "")
    string(APPEND componenti "          ${voce}\n")
  else()
    string(APPEND per_${sotto} "            ${voce}\n")
    list(APPEND cartelle ${sotto})
  endif()
  string(APPEND riferimenti "      <ComponentRef Id=\"c${n}\"/>\n")
  string(APPEND cancella "  Delete \"$INSTDIR\\${fw}\"\n")
endforeach()
list(REMOVE_DUPLICATES cartelle)
foreach(c IN LISTS cartelle)
  string(APPEND componenti "          <Directory Id=\"d_${c}\" Name=\"${c}\">\n${per_${c}}          </Directory>\n")
  string(APPEND cancella "  RMDir \"$INSTDIR\\${c}\"\n")
endforeach()

file(MAKE_DIRECTORY ${USCITA}/lavoro)
# wixl takes its files' names relative to the folder it runs in.
file(COPY_FILE ${ICONA} ${USCITA}/lavoro/icona.ico)
set(ICONA_MSI lavoro/icona.ico)
configure_file(${SORGENTI}/misure-di-massa.wxs.in ${USCITA}/lavoro/misure-di-massa.wxs @ONLY)
file(WRITE ${USCITA}/lavoro/file.nsh "!macro MASSA_CANCELLA\n${cancella}!macroend\n")

execute_process(COMMAND ${WIXL} -a x64 -o misure-di-massa-${VERSIONE}.msi lavoro/misure-di-massa.wxs
  WORKING_DIRECTORY ${USCITA} COMMAND_ERROR_IS_FATAL ANY)
# wixl 0.101 draws the package code at random: it is set to the one from the contents. (Its
# two dates it takes from the clock, and msitools cannot set them.)
find_program(MSIBUILD msibuild REQUIRED)
execute_process(COMMAND ${MSIBUILD} misure-di-massa-${VERSIONE}.msi -s "Misure di massa ${VERSIONE}"
  "Il software di Velmaro" "x64;1040" "{${pacchetto}}" WORKING_DIRECTORY ${USCITA} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${MAKENSIS} -V2 -NOCD "-DCARTELLA=${cartella}" -DVERSIONE=${VERSIONE} "-DICONA=${ICONA}"
  "-DFILE=${USCITA}/lavoro/file.nsh" "-DUSCITA=${USCITA}/misure-di-massa-${VERSIONE}-setup.exe"
  ${SORGENTI}/misure-di-massa.nsi COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${USCITA}/lavoro)
message(STATUS "Installers: ${USCITA}/misure-di-massa-${VERSIONE}.msi, misure-di-massa-${VERSIONE}-setup.exe")
