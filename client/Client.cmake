# The game client and the program entry: the game object, the state machine
# with its handlers, levels, input profiles, and clientMain.
list(APPEND CLIENT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/TheGame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameClient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameClientInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameClientLevels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CarrotRecord.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InputEventManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClientFunctor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeptInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PagePresses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SplashFunctor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ST_MenusFunctor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ST_StartingFunctor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ST_RunningFunctor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ST_PausedFunctor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ST_EndingFunctor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClientFSM.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clientMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundPreloader.cpp
)
# The sounds decode on a thread of their own while the window opens.
find_package(Threads REQUIRED)
list(APPEND CLIENT_LIBS world render sound menu input_gl input shell core Threads::Threads)

# The game itself, built to the root of the build folder.
add_executable(frelmory ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(frelmory PRIVATE client shell_window)
set_target_properties(frelmory PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The splash picture is drawn by code: make-splash writes it, and a test
# fails while the shipped copy differs.
add_library(splash_maker STATIC ${CMAKE_CURRENT_LIST_DIR}/SplashPicture.cpp)
target_link_libraries(splash_maker PUBLIC core)
add_executable(make-splash ${CMAKE_CURRENT_LIST_DIR}/MakeSplash.cpp)
target_link_libraries(make-splash PRIVATE splash_maker)
add_custom_target(splash-file
  COMMAND make-splash ${PROJECT_SOURCE_DIR}/data/Textures/KWEP_SPLASH.tga
  COMMENT "Drawing the splash picture into data/Textures/KWEP_SPLASH.tga"
  VERBATIM)
