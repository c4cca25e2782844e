# cmake --install <build> --prefix <P>: the programs in P/bin, the share
# folder in P/share/tessaly (found from the program's folder, so the tree can
# move), the desktop entry and the icon where desktops look for them.
install(TARGETS tessaly tessaly-standin RUNTIME DESTINATION bin)
install(DIRECTORY ${TESSALY_SHARE_DIR}/ DESTINATION share/tessaly)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/TessalyDeskApp.desktop DESTINATION share/applications)
install(FILES "${PROJECT_SOURCE_DIR}/resources/images/Main_icon 2.svg"
  DESTINATION share/icons/hicolor/scalable/apps RENAME TessalyDeskApp.svg)
