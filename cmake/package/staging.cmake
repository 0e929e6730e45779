# Run by cpack on the staged tree, after the install rules and before the
# package is made: what a Debian package holds beyond them.  The manual
# pages are compressed (gzip -9n, no name or time stamp inside, so that the
# same sources make the same package), and the package gets its copyright
# notice and a changelog in /usr/share/doc/scoretext.
set(root "${CPACK_TEMPORARY_DIRECTORY}")
if(NOT IS_DIRECTORY "${root}/usr")
  message(FATAL_ERROR "no staged tree under ${root}")
endif()

function(scoretext_gzip file)
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip ${file} failed")
  endif()
endfunction()

file(GLOB_RECURSE pages "${root}/usr/share/man/*")
foreach(page IN LISTS pages)
  if(NOT page MATCHES "\\.gz$")
    scoretext_gzip("${page}")
  endif()
endforeach()

set(doc "${root}/usr/share/doc/scoretext")
file(MAKE_DIRECTORY "${doc}")
file(COPY "${CPACK_SCORETEXT_SOURCE_DIR}/cmake/package/copyright" DESTINATION "${doc}")
# A package without a source package of its own: its changelog is the native
# one, changelog.gz.  The date honours SOURCE_DATE_EPOCH.
string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE "${doc}/changelog"
     "scoretext (${CPACK_PACKAGE_VERSION}) unstable; urgency=medium\n\n"
     "  * Built from the scoretext sources with CPack.\n\n"
     " -- ${CPACK_SCORETEXT_MAINTAINER}  ${date}\n")
scoretext_gzip("${doc}/changelog")
