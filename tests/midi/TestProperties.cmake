# Read by CTest after the discovered tests.

# The midi tests run alone. RtMidi opens a port by its index in the system's list of the
# moment, so ports coming and going in another test could send one elsewhere; and the
# synchronous JACK server of scripts/test stalls when clients come and go while MIDI flows
# between others. The lifecycle tests also count what every JACK client sees.
set_tests_properties(${tether_device_tests_TESTS} ${tether_lifecycle_tests_TESTS} ${esx_sim_tool_tests_TESTS}
                     ${jack_server_tests_TESTS}
                     PROPERTIES RUN_SERIAL TRUE)

# Both labels: pavonis_add_test hands a list of labels on as separate words, so that only
# the first one arrives.
set_tests_properties(${tether_concurrency_tests_TESTS} PROPERTIES LABELS "unit;concurrency")
