# Where `cmake --install` puts the programs, their help and the desktop files.
#
#   <prefix>/lib/tessara/   tessara, tessparams, tessara-cli, tessara.ini,
#                           tessara_help.html and the shared-install marker
#   <prefix>/bin/           links to the three programs
#   <prefix>/share/applications/, <prefix>/share/icons/hicolor/
#   <prefix>/share/tessara/sets/  the shipped parameter files (ITRF2005,
#                           ITRF2008, ITRF2014), where Import starts
#
# The programs find tessara.ini and the help page in the folder of the running
# executable, which a link in bin/ resolves to lib/tessara/. The marker file
# tells them that the folder is shared by every user, so each user's lists
# and logs go to the user's data folder even when the folder is writable (as
# it is for root). A build tree has no marker and keeps its files beside the
# programs.

include(GNUInstallDirs)

# Installing and packaging take what is built; they do not build every test
# first (`make install` and `make package` build before them).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(TESSARA_INSTALL_PROGRAM_DIR "lib/tessara")

set(tessara_installed_programs tessara-cli)
if(TESSARA_BUILD_UI)
    list(PREPEND tessara_installed_programs tessara tessparams)
endif()

install(TARGETS ${tessara_installed_programs}
        RUNTIME DESTINATION ${TESSARA_INSTALL_PROGRAM_DIR} COMPONENT programs)

# The links in bin/ are relative, so the install can be moved as a whole.
file(RELATIVE_PATH tessara_link_target
     "/${CMAKE_INSTALL_BINDIR}" "/${TESSARA_INSTALL_PROGRAM_DIR}")
set(tessara_link_folder ${PROJECT_BINARY_DIR}/packaging/bin)
file(MAKE_DIRECTORY ${tessara_link_folder})
foreach(program IN LISTS tessara_installed_programs)
    file(CREATE_LINK ${tessara_link_target}/${program} ${tessara_link_folder}/${program} SYMBOLIC)
    install(FILES ${tessara_link_folder}/${program}
            DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
endforeach()

# Used by tessara-cli (import, --params) as much as by tessara.
install(FILES ${TESSARA_SHIPPED_SETS}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tessara/sets COMPONENT programs)

if(NOT TESSARA_BUILD_UI)
    return()
endif()

install(FILES ${PROJECT_SOURCE_DIR}/help/tessara.ini ${PROJECT_SOURCE_DIR}/help/tessara_help.html
        DESTINATION ${TESSARA_INSTALL_PROGRAM_DIR} COMPONENT programs)

# Its own component, so that a relocatable archive can leave it out.
file(WRITE ${PROJECT_BINARY_DIR}/packaging/tessara-shared-install
     "This folder is shared by every user: each user's lists and logs are kept\n"
     "in the user's data folder ($XDG_DATA_HOME/tessara or ~/.local/share/tessara).\n")
install(FILES ${PROJECT_BINARY_DIR}/packaging/tessara-shared-install
        DESTINATION ${TESSARA_INSTALL_PROGRAM_DIR} COMPONENT shared_marker)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/applications/tessara.desktop
              ${PROJECT_SOURCE_DIR}/packaging/applications/tessparams.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT programs)

# The icon theme gets the drawn SVG and PNGs rendered from the icon the
# programs draw for their windows.
add_executable(tessara_icon_png tools/icon_png/main.cpp widgets/program_icon.cpp)
target_include_directories(tessara_icon_png PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(tessara_icon_png PRIVATE Qt6::Gui project_options project_warnings)

set(tessara_icon_sizes 48 128 256)
set(tessara_icon_arguments)
set(tessara_icon_files)
foreach(size IN LISTS tessara_icon_sizes)
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/packaging/icons/${size})
    set(png ${PROJECT_BINARY_DIR}/packaging/icons/${size}/tessara.png)
    list(APPEND tessara_icon_arguments ${size} ${png})
    list(APPEND tessara_icon_files ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            COMPONENT programs)
endforeach()
add_custom_command(OUTPUT ${tessara_icon_files}
    COMMAND tessara_icon_png ${tessara_icon_arguments}
    DEPENDS tessara_icon_png
    COMMENT "Rendering the program icon")
add_custom_target(tessara_icons ALL DEPENDS ${tessara_icon_files})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/tessara.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT programs)
