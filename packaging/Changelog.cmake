# Changelog.cmake -- debian/changelog is the one place that says when a version was released: its newest
# entry gives QUILLORA_RELEASE_DATE (YYYY-MM-DD) to the metainfo and the man page, and must name the project's
# version. The Debian package carries the changelog itself, compressed (gzip -n keeps the file the same from
# build to build).

set(QUILLORA_CHANGELOG ${PROJECT_SOURCE_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QUILLORA_CHANGELOG})
file(READ ${QUILLORA_CHANGELOG} changelog)

# The newest entry comes first: "quillora (VERSION) ..." and, below it, " -- NAME <MAIL>  Tue, 08 Dec 2026 ...".
if(NOT changelog MATCHES "^quillora \\(([^)]+)\\)")
  message(FATAL_ERROR "debian/changelog: the newest entry does not begin with 'quillora (VERSION)'")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "debian/changelog: the newest entry is version ${CMAKE_MATCH_1}, the project is "
                      "${PROJECT_VERSION}; add an entry for ${PROJECT_VERSION} (dch -v ${PROJECT_VERSION})")
endif()
if(NOT changelog MATCHES "\n -- [^\n]+>  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "debian/changelog: the newest entry has no ' -- NAME <MAIL>  DAY, DD Mon YYYY ...' line")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_2}" month)
if(month EQUAL -1)
  message(FATAL_ERROR "debian/changelog: '${CMAKE_MATCH_2}' in the newest entry's date is no month")
endif()
math(EXPR month "${month} + 1")
string(LENGTH "${day}" length)
if(length EQUAL 1)
  set(day 0${day})
endif()
if(month LESS 10)
  set(month 0${month})
endif()
set(QUILLORA_RELEASE_DATE "${year}-${month}-${day}")

execute_process(COMMAND gzip -9 -n -c ${QUILLORA_CHANGELOG}
                OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "debian/changelog could not be compressed with gzip")
endif()
