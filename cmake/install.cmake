# What `cmake --install <build> --prefix <dir>` puts under the prefix: each
# program that this tree builds with its manual page, the page of the
# score-text notation, the example data files that the drum and vocal tools
# read from the folder they run in (copy them there), and the README.  The
# Debian package (cmake/package.cmake) holds exactly this.
include(GNUInstallDirs)

set(SCORETEXT_PROGRAMS
    talven2 talven morrik gessan quendro vastrel nolwen sirenta ardic ostrin belvar scoremidi)

foreach(program IN LISTS SCORETEXT_PROGRAMS)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/docs/${program}.1
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/docs/scoretext.5 DESTINATION ${CMAKE_INSTALL_MANDIR}/man5)

# The VSQX template comes with the vocal tool; until then it may be absent.
install(FILES ${PROJECT_SOURCE_DIR}/examples/drumdef.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/scoretext)
install(FILES ${PROJECT_SOURCE_DIR}/examples/def.vsqx
        DESTINATION ${CMAKE_INSTALL_DATADIR}/scoretext OPTIONAL)

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)
