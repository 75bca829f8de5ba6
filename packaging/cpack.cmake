# The Debian package, made by scripts/package.sh with `cpack -G DEB`. Its
# library dependencies are computed by dpkg-shlibdeps from the installed
# programs and libraries (package.sh passes them in), not listed here.
set(CPACK_PACKAGE_NAME fidforge)
set(CPACK_PACKAGE_VENDOR "FidForge")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "C++ sources from the securities back-office configuration database")
# Lines under 80 columns; a line starting with a blank is shown as it stands.
# One string: a list would lose the semicolons.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "FidForge reads the configuration database of a securities back office:\n"
    "its FIDs, FOS operation codes, BLS transaction codes, their modules,\n"
    "parameters and error codes. From it, FidForge writes C++ source exactly\n"
    "as the back office expects it (GBK text, CR LF line ends, aligned\n"
    "columns):\n"
    " - the definition headers fiddef.h, fosdef.h, blsdef.h, sysdef.h, fixdef.h;\n"
    " - Process.h and Process.cpp of whole modules, keeping hand-written code;\n"
    " - the template of one function and the client snippet of one BLS function.\n"
    "It also checks the FIDs, lints the database and writes it as an HTML\n"
    "dictionary site.\n"
    "\n"
    "fidforge is the desktop program; fidforge-cli runs every generator in\n"
    "build pipelines. The database is a SQLite file (a demo database is built\n"
    "in) or SQL Server through ODBC.")
# Given when the package is made: cmake -DFIDFORGE_MAINTAINER="Name <address>".
if(FIDFORGE_MAINTAINER)
  set(CPACK_PACKAGE_CONTACT "${FIDFORGE_MAINTAINER}")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)            # fidforge_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack's own dpkg-shlibdeps run would also add ldconfig to the maintainer
# scripts, because the private libraries sit below /usr/lib; ldconfig has
# nothing to do for them (the programs find them by their own path), so
# package.sh runs dpkg-shlibdeps itself and passes the result as
# CPACK_DEBIAN_PACKAGE_DEPENDS.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
# Loaded by name at run time, so dpkg-shlibdeps cannot see them: the ODBC
# drivers for SQL Server (FreeTDS) and for SQLite through ODBC, and Qt's own
# translations (qtbase_zh_CN.qm: the standard buttons and dialogs in Chinese).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "tdsodbc, libsqliteodbc, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")

include(CPack)
