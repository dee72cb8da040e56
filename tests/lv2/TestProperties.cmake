# Read by CTest after the discovered tests. The jalv tests use the JACK server of scripts/test
# and run alone, as the midi tests do.
set_tests_properties(${lv2_jalv_tests_TESTS} PROPERTIES RUN_SERIAL TRUE ENVIRONMENT PAVONIS_MIDI_API=jack)
