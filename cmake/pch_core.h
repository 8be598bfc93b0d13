// Qt's headers that the rules include: compiled once per build.
#include <QString>
