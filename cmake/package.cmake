# `cpack` in a build folder makes scoretext_<version>_<arch>.deb from what the
# install rules (cmake/install.cmake) put under /usr: a program added there
# comes into the package with no change here.  The package's own files (the
# copyright notice, the changelog) and the compression of the manual pages
# are done on the staged tree by package/staging.cmake, so that a plain
# `cmake --install` keeps its pages as they are in docs/.
set(SCORETEXT_PACKAGE_VERSION "1.0.0" CACHE STRING "Version of the Debian package")
set(SCORETEXT_PACKAGE_MAINTAINER "scoretext maintainers <maintainers@scoretext.example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scoretext)
set(CPACK_PACKAGE_VERSION ${SCORETEXT_PACKAGE_VERSION})
set(CPACK_PACKAGE_CONTACT ${SCORETEXT_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "command-line tools for writing music as text")
set(CPACK_PACKAGE_DESCRIPTION
    "Small programs that check parts of a song written in a compact text notation\n\
(chords, a melody, guitar tablature, drums, a vocal line with its words) and\n\
write them as score text, a Standard MIDI File or a VSQX vocal file, and\n\
programs that transpose, join and split Standard MIDI Files.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends as dpkg-shlibdeps finds it from the programs' shared libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/package/staging.cmake)
# Passed on to the staging script through CPackConfig.cmake.
set(CPACK_SCORETEXT_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_SCORETEXT_MAINTAINER ${SCORETEXT_PACKAGE_MAINTAINER})

include(CPack)
