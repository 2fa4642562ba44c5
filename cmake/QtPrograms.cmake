# The Qt programs and the Qt part of each subsystem (files under <subsystem>/qt/).
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Multimedia DBus Test)
set(CMAKE_AUTOMOC ON)

set(PELMIRA_QT_SOURCES)
foreach(dir IN LISTS PELMIRA_SUBSYSTEMS)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/qt/*.cpp ${dir}/qt/*.h)
  list(FILTER found EXCLUDE REGEX "/qt/(window_)?main\\.cpp$")
  list(APPEND PELMIRA_QT_SOURCES ${found})
endforeach()

if(PELMIRA_QT_SOURCES)
  add_library(pelmira_qt STATIC ${PELMIRA_QT_SOURCES})
  target_link_libraries(pelmira_qt PUBLIC pelmira_logic
    Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Multimedia Qt6::DBus)
  # The logic library has members named like Qt's keyword macros (ProgramState::slots).
  target_compile_definitions(pelmira_qt PUBLIC QT_NO_KEYWORDS)
  # The window files all include a share of the widget headers: parse them once.
  target_precompile_headers(pelmira_qt PRIVATE <QtWidgets> <string> <vector>)
  # Where `cmake --install` puts the help file; the main window looks there after its own
  # folder.
  target_compile_definitions(pelmira_qt PUBLIC
    PELMIRA_DATA_DIR="${CMAKE_INSTALL_FULL_DATADIR}/pelmira")
endif()

foreach(program IN ITEMS mainwindow/qt/main.cpp:pelmira notifier/qt/window_main.cpp:lunoka-window)
  string(REPLACE ":" ";" parts ${program})
  list(GET parts 0 source)
  list(GET parts 1 name)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${source})
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE pelmira_qt)
  endif()
endforeach()

# lunoka links no Qt, so that `lunoka --list` starts fast; without --list it runs
# lunoka-window, the window program beside it, in its place.
if(TARGET lunoka-window)
  add_executable(lunoka notifier/qt/main.cpp)
  target_link_libraries(lunoka PRIVATE pelmira_logic)
  add_dependencies(lunoka lunoka-window)
endif()
