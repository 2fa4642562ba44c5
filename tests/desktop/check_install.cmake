# Installs a build into an empty prefix and checks what lands there: the programs, the help
# file, and a desktop entry and metainfo file that the desktop tools accept.
#
#   cmake -DBUILD_DIR=... -DCONFIG=... -DPREFIX=... -DBINDIR=bin -DDATADIR=share
#         -DAPP_ID=... -DVERSION=... -DPROGRAMS=a,b -DDESKTOP=ON|OFF
#         -DNOTIFIER_DATA=... -P check_install.cmake
#
# Without desktop-file-validate or appstreamcli it prints "SKIP:" and stops; the test's
# SKIP_REGULAR_EXPRESSION turns that into a skipped test.

cmake_minimum_required(VERSION 3.22)

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

# Runs a command; fails the test unless it exits 0. The output goes to <prefix>_OUT.
function(run prefix)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    string(JOIN " " command ${ARGN})
    fail("`${command}` exited with ${rc}:\n${out}${err}")
  endif()
  set(${prefix}_OUT "${out}${err}" PARENT_SCOPE)
endfunction()

function(expect_file path)
  if(NOT EXISTS "${PREFIX}/${path}")
    fail("not installed: ${path}")
  endif()
endfunction()

# The value of a key of the desktop entry's main group.
function(desktop_value text key out)
  if(text MATCHES "\n${key}=([^\n]*)")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    fail("the desktop entry has no ${key}=")
  endif()
endfunction()

string(REPLACE "," ";" PROGRAMS "${PROGRAMS}")

if(DESKTOP)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(APPSTREAMCLI appstreamcli)
  if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
    message("SKIP: desktop-file-validate or appstreamcli is not installed")
    return()
  endif()
endif()

file(REMOVE_RECURSE "${PREFIX}")
set(config_args)
if(CONFIG)
  set(config_args --config "${CONFIG}")
endif()
run(install "${CMAKE_COMMAND}" --install "${BUILD_DIR}" ${config_args} --prefix "${PREFIX}")

# The programs, all in one folder: lunoka starts lunoka-window from its own folder.
foreach(program IN LISTS PROGRAMS)
  expect_file("${BINDIR}/${program}")
endforeach()

# The installed programs run from their new place.
if("pelmira-cli" IN_LIST PROGRAMS)
  run(cli "${PREFIX}/${BINDIR}/pelmira-cli" dayno H8.10.1)
  if(NOT cli_OUT STREQUAL "2450357\n")
    fail("installed pelmira-cli dayno H8.10.1 printed: ${cli_OUT}")
  endif()
endif()
if("lunoka" IN_LIST PROGRAMS)
  set(config_home "${PREFIX}-config")
  file(REMOVE_RECURSE "${config_home}")
  file(MAKE_DIRECTORY "${config_home}")
  run(list "${CMAKE_COMMAND}" -E env "XDG_CONFIG_HOME=${config_home}"
    "${PREFIX}/${BINDIR}/lunoka" --list --date 2026-12-07 "${NOTIFIER_DATA}")
  file(REMOVE_RECURSE "${config_home}")
  if(NOT list_OUT MATCHES "山田太郎 +36歳の誕生日")
    fail("installed lunoka --list printed:\n${list_OUT}")
  endif()
endif()

if(NOT DESKTOP)
  return()
endif()

set(desktop_file "${DATADIR}/applications/${APP_ID}.desktop")
set(icon_file "${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg")
set(metainfo_file "${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
foreach(path IN ITEMS "${DATADIR}/pelmira/pelmira.hlp" "${desktop_file}" "${icon_file}"
                      "${metainfo_file}")
  expect_file("${path}")
endforeach()

# desktop-file-validate exits 0 with hints; errors and warnings make it print "error:" or
# "warning:" (and exit 1 for errors).
run(validate "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/${desktop_file}")
if(validate_OUT MATCHES "(error|warning): ")
  fail("desktop-file-validate:\n${validate_OUT}")
endif()
# Warnings fail too; the only pedantic note is the capital letter of the id. The tree check
# also finds the desktop entry the metainfo launches.
run(appstream "${APPSTREAMCLI}" validate --no-net "${PREFIX}/${metainfo_file}")
run(appstream_tree "${APPSTREAMCLI}" validate-tree --no-net "${PREFIX}")

# The example autostart entry of `lunoka --notify` is valid, and only an example.
set(autostart_file "${DATADIR}/pelmira/examples/lunoka-autostart.desktop")
expect_file("${autostart_file}")
run(validate_autostart "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/${autostart_file}")
if(validate_autostart_OUT MATCHES "(error|warning): ")
  fail("desktop-file-validate (autostart example):\n${validate_autostart_OUT}")
endif()
if(EXISTS "${PREFIX}/etc/xdg/autostart")
  fail("something was installed into etc/xdg/autostart")
endif()

# The three files name each other, and the entry starts the installed main program.
file(READ "${PREFIX}/${desktop_file}" entry)
desktop_value("${entry}" Icon icon)
if(NOT icon STREQUAL APP_ID)
  fail("Icon=${icon}, but the icon is installed as ${APP_ID}.svg")
endif()
desktop_value("${entry}" Exec exec)
string(REGEX REPLACE " .*" "" exec "${exec}")
if(NOT exec STREQUAL "pelmira")
  fail("Exec= starts ${exec}, not pelmira")
endif()
file(READ "${PREFIX}/${metainfo_file}" metainfo)
if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>")
  fail("the metainfo's launchable is not ${APP_ID}.desktop")
endif()
if(NOT metainfo MATCHES "<release version=\"${VERSION}\" date=\"[0-9]+-[0-9]+-[0-9]+\"")
  fail("the metainfo has no release entry for version ${VERSION}")
endif()
file(READ "${PREFIX}/${icon_file}" icon_text LIMIT 400)
if(NOT icon_text MATCHES "<svg xmlns=\"http://www.w3.org/2000/svg\"")
  fail("${icon_file} does not start an SVG document")
endif()
