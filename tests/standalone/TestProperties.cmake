# Read by CTest after the discovered tests.

# The session runs alone (it moves the X server's one pointer and opens MIDI ports) and on
# the JACK server, where the simulated ESX and pavonis meet.
set_tests_properties(${standalone_session_tests_TESTS} PROPERTIES RUN_SERIAL TRUE
                     ENVIRONMENT PAVONIS_MIDI_API=jack)
