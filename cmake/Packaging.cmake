# The Debian package: `cmake --build build --target package` or `cd build && cpack -G DEB` writes
# koltest_<version>_amd64.deb with everything the install rules put in place, and nothing else: the tests
# and benchmarks install nothing.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME koltest)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kolbrix Test developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "German chemistry test for school pupils")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "A pupil enters a name, picks a difficulty and works through ten task sheets: element symbols and\n"
    "names, number syllables, substance names and formulas, molar masses, amounts of substance,\n"
    "definitions and terms, equations, charge numbers and yes/no statements. Every sheet is judged at\n"
    "once and a running school grade is shown; at the end a certificate can be printed. Teachers edit\n"
    "the task catalogue as a text file and collect the results of a class.\n"
    "\n"
    "Ein Chemietest für Schülerinnen und Schüler mit sofortiger Bewertung, Schulnote und Urkunde.")

set(KOLTEST_PACKAGE_MAINTAINER "Kolbrix Test developers <koltest@example.org>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KOLTEST_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries (Qt 6, muparser) are found by dpkg-shlibdeps (package dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs (printing, saving) in German.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
