# Option keys, command-line flags, the options file and the help text.
list(APPEND CLIENT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Config.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConfigFlags.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConfigFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConfigHelp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OptionNumber.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OptionText.cpp
)
list(APPEND CLIENT_LIBS shell core)
