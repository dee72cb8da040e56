# Read by CTest after the discovered tests. The device tests talk to esx-sim over the JACK
# server that scripts/test starts, and run alone, as the midi tests do.
set_tests_properties(${test_panel_device_TESTS} PROPERTIES RUN_SERIAL TRUE ENVIRONMENT PAVONIS_MIDI_API=jack)
