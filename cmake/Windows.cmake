# The win32 host: the program mirel.exe, the scenario runner with --host win32, the unit tests,
# resources (icon, artwork, manifest), and the installer and the portable zip (CPack).
enable_language(RC)

set(MIREL_WIN32_DEFINES UNICODE _UNICODE _WIN32_WINNT=0x0A00 WINVER=0x0A00)

file(GLOB MIREL_WIN32_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp)
list(FILTER MIREL_WIN32_SOURCES EXCLUDE REGEX "(Main|PageProbe|Files|WinText)\\.cpp$")
target_compile_definitions(mirel_platform PUBLIC ${MIREL_WIN32_DEFINES})
add_library(mirel_win32 STATIC ${MIREL_WIN32_SOURCES})
target_link_libraries(mirel_win32 PUBLIC mirel_platform comctl32 comdlg32 shell32 ole32 gdi32 user32)
target_compile_definitions(mirel_win32 PUBLIC ${MIREL_WIN32_DEFINES} MIREL_WITH_WIN32=1)

# The artwork: every SVG rendered to a bitmap at its own size, the icon at the sizes Windows
# asks for.
find_program(MIREL_RSVG rsvg-convert REQUIRED)
find_program(MIREL_ICOTOOL icotool REQUIRED)
find_program(MIREL_PNGTOPNM pngtopnm REQUIRED)
find_program(MIREL_PPMTOBMP ppmtobmp REQUIRED)
set(MIREL_ART_DIR ${CMAKE_CURRENT_BINARY_DIR}/art)
file(MAKE_DIRECTORY ${MIREL_ART_DIR})
set(MIREL_ART)
foreach(image logo150 separator153 product169 product170 product171 product172 product177)
  set(svg ${PROJECT_SOURCE_DIR}/res/images/${image}.svg)
  set(bmp ${MIREL_ART_DIR}/${image}.bmp)
  add_custom_command(OUTPUT ${bmp}
    COMMAND ${MIREL_RSVG} -b white -o ${MIREL_ART_DIR}/${image}.png ${svg}
    COMMAND sh -c "'${MIREL_PNGTOPNM}' '${MIREL_ART_DIR}/${image}.png' 2>/dev/null | '${MIREL_PPMTOBMP}' > '${bmp}' 2>/dev/null"
    DEPENDS ${svg} VERBATIM)
  list(APPEND MIREL_ART ${bmp})
endforeach()
set(MIREL_ICON_PNGS)
foreach(size 16 24 32 48 64 256)
  set(png ${MIREL_ART_DIR}/icon${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${MIREL_RSVG} -w ${size} -h ${size} -o ${png} ${PROJECT_SOURCE_DIR}/res/images/icon128.svg
    DEPENDS ${PROJECT_SOURCE_DIR}/res/images/icon128.svg VERBATIM)
  list(APPEND MIREL_ICON_PNGS ${png})
endforeach()
add_custom_command(OUTPUT ${MIREL_ART_DIR}/icon128.ico
  COMMAND ${MIREL_ICOTOOL} -c -o ${MIREL_ART_DIR}/icon128.ico ${MIREL_ICON_PNGS}
  DEPENDS ${MIREL_ICON_PNGS} VERBATIM)
list(APPEND MIREL_ART ${MIREL_ART_DIR}/icon128.ico)
add_custom_target(mirel_art DEPENDS ${MIREL_ART})

set(MIREL_RC ${PROJECT_SOURCE_DIR}/platform/win32/mirel.rc)
set_source_files_properties(${MIREL_RC} PROPERTIES
  OBJECT_DEPENDS "${MIREL_ART};${PROJECT_SOURCE_DIR}/platform/win32/mirel.manifest")

add_executable(mirel WIN32 app/WinMain.cpp ${MIREL_RC})
target_include_directories(mirel PRIVATE ${MIREL_ART_DIR})
target_link_libraries(mirel PRIVATE mirel_core mirel_win32)
target_link_options(mirel PRIVATE -municode)
add_dependencies(mirel mirel_art)

# The runner: a console program with the same resources, so that its pages look as the
# program's do.
target_sources(mirel-scenario PRIVATE ${MIREL_RC})
target_include_directories(mirel-scenario PRIVATE ${MIREL_ART_DIR})
target_link_libraries(mirel-scenario PRIVATE mirel_win32)
add_dependencies(mirel-scenario mirel_art)
set_property(SOURCE ${MIREL_RC} APPEND PROPERTY COMPILE_DEFINITIONS MIREL_ART_DIR=${MIREL_ART_DIR})

# The unit tests use Debian's googletest sources, built with the cross compiler.
if(MIREL_TESTS AND EXISTS /usr/src/googletest/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# Finds a page window of a running program (the installer test).
add_executable(mirel-pageprobe platform/win32/PageProbe.cpp)
target_link_libraries(mirel-pageprobe PRIVATE mirel_platform user32)

# Shipping: an NSIS installer (Debian's makensis) with a start menu entry, the icon and an
# uninstaller, and a portable zip of the program alone.
install(TARGETS mirel RUNTIME DESTINATION .)
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_NAME Mirel)
set(CPACK_PACKAGE_VENDOR Varenta)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Assistent für technische Problemberichte an den Varenta-Support")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Mirel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Mirel)
set(CPACK_PACKAGE_FILE_NAME "Mirel-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_EXECUTABLES mirel Mirel)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer for the 64-bit program (Debian's makensis has the amd64 stubs).
set(CPACK_NSIS_DEFINES "  Target amd64-unicode")
set(CPACK_NSIS_DISPLAY_NAME Mirel)
set(CPACK_NSIS_PACKAGE_NAME Mirel)
set(CPACK_NSIS_MUI_ICON ${MIREL_ART_DIR}/icon128.ico)
set(CPACK_NSIS_MUI_UNIICON ${MIREL_ART_DIR}/icon128.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME mirel.exe)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_UNINSTALL_NAME Deinstallieren)
# The uninstaller removes the vendor's registry key too, when nothing else of the vendor is in it
# (CPack removes only the program's own key, and after this). The values reach NSIS as they stand.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
  "DeleteRegKey SHCTX 'Software\\Varenta\\Mirel'\nDeleteRegKey /ifempty SHCTX 'Software\\Varenta'")
include(CPack)

# Tests of the win32 host itself (run under Wine).
if(MIREL_TESTS)
  file(GLOB MIREL_WIN32_TESTS CONFIGURE_DEPENDS tests/win32/*.cpp)
  add_executable(mirel_win32_tests ${MIREL_WIN32_TESTS} ${MIREL_RC})
  target_include_directories(mirel_win32_tests PRIVATE ${MIREL_ART_DIR})
  target_link_libraries(mirel_win32_tests PRIVATE mirel_win32 GTest::gtest GTest::gtest_main)
  add_dependencies(mirel_win32_tests mirel_art)
endif()
