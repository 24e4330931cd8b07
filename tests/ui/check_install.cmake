# cmake -DBUILD_DIR=<build tree> -DPREFIX=<empty scratch dir> -P check_install.cmake
# Installs the build into PREFIX and checks that the program, its desktop
# entry and its icon land where desktops look for them.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

include(GNUInstallDirs)
foreach(expected
    "${CMAKE_INSTALL_BINDIR}/brimvale"
    "${CMAKE_INSTALL_DATADIR}/applications/brimvale.desktop"
    "${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps/brimvale.png")
  if(NOT EXISTS "${PREFIX}/${expected}")
    message(FATAL_ERROR "not installed: ${expected}")
  endif()
endforeach()

file(READ "${PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/brimvale.desktop" entry)
foreach(line "[Desktop Entry]" "Type=Application" "Exec=brimvale" "Icon=brimvale")
  string(FIND "${entry}" "${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks the line ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
