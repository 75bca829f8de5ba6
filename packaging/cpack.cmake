# The Debian package, made by scripts/package.sh with `cpack -G DEB`. The
# library dependencies are computed by dpkg-shlibdeps from the installed
# programs and libraries, not listed here.
set(CPACK_PACKAGE_NAME fidforge)
set(CPACK_PACKAGE_VENDOR "FidForge")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "C++ sources from the securities back-office configuration database")
set(CPACK_PACKAGE_DESCRIPTION
    "FidForge reads the configuration database of a securities back office (FIDs, FOS\n"
    "operation codes, BLS transaction codes, their modules, parameters and error codes)\n"
    "and writes the definition headers, the server sources of whole modules, function\n"
    "templates and client access snippets, and checks undefined and unused FIDs.\n"
    "It comes as a desktop program (fidforge) and as a command-line program\n"
    "(fidforge-cli) for build pipelines; the database is SQLite or SQL Server.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "FidForge maintainers <fidforge@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)            # fidforge_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by name at run time, so dpkg-shlibdeps cannot see them: the ODBC
# drivers for SQL Server (FreeTDS) and for SQLite through ODBC, and Qt's own
# translations (qtbase_zh_CN.qm: the standard buttons and dialogs in Chinese).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "tdsodbc, libsqliteodbc, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})

include(CPack)
