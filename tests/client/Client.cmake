# The game client: state machine, handlers, levels, profiles and start-up.
frelmory_add_test(NAME client_fsm_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ClientFSMTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StateHandlersTest.cpp
  LIBS client)
