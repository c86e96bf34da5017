# The release: its version from VERSION, its date from that version's heading in CHANGELOG.md
# ("## 1.0.0 (2026-12-08)"). Everything that names a version or a date (--version, the manual
# page, the AppStream metadata, the Debian package and its changelog) takes them from here.
# A version without its changelog entry stops the configuration, so no release goes out
# undescribed.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../VERSION GYROTRAK_RELEASE_VERSION LIMIT_COUNT 1)
if(NOT GYROTRAK_RELEASE_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "VERSION holds \"${GYROTRAK_RELEASE_VERSION}\", not MAJOR.MINOR.PATCH")
endif()

string(REPLACE "." "\\." version_pattern "${GYROTRAK_RELEASE_VERSION}")
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../CHANGELOG.md release_heading
  REGEX "^## ${version_pattern} \\([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\\)$")
if(NOT release_heading)
  message(FATAL_ERROR
    "CHANGELOG.md has no heading \"## ${GYROTRAK_RELEASE_VERSION} (YYYY-MM-DD)\" for VERSION")
endif()
string(REGEX REPLACE ".*\\((.*)\\)$" "\\1" GYROTRAK_RELEASE_DATE "${release_heading}")

# The entry's first paragraph, in one line: the release's note in the AppStream metadata.
file(READ ${CMAKE_CURRENT_LIST_DIR}/../CHANGELOG.md changelog)
string(FIND "${changelog}" "${release_heading}\n\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "CHANGELOG.md: leave a blank line after \"${release_heading}\"")
endif()
string(LENGTH "${release_heading}\n\n" heading_length)
math(EXPR start "${start} + ${heading_length}")
string(SUBSTRING "${changelog}" ${start} -1 changelog)
string(FIND "${changelog}" "\n\n" end)
string(SUBSTRING "${changelog}" 0 ${end} GYROTRAK_RELEASE_NOTE)
string(REGEX REPLACE "[ \n]+" " " GYROTRAK_RELEASE_NOTE "${GYROTRAK_RELEASE_NOTE}")
if(GYROTRAK_RELEASE_NOTE MATCHES "[<>&]|^(- |#)")
  message(FATAL_ERROR "CHANGELOG.md: begin the entry for ${GYROTRAK_RELEASE_VERSION} with a "
    "paragraph of plain text (no list, heading, <, > or &)")
endif()
unset(version_pattern)
unset(release_heading)
unset(changelog)
unset(start)
unset(end)
unset(heading_length)
