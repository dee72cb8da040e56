# Read by CTest after the discovered tests.

# RtMidi opens a port by its index in the system's list of the moment: a test whose ports
# come and go beside another's lookup and opening could send that one elsewhere. The midi
# tests take their turns; the lifecycle tests, which count what every JACK client sees, run
# alone.
set_tests_properties(${tether_device_tests_TESTS} ${tether_lifecycle_tests_TESTS} ${esx_sim_tool_tests_TESTS}
                     PROPERTIES RESOURCE_LOCK jack_ports)
set_tests_properties(${tether_lifecycle_tests_TESTS} PROPERTIES RUN_SERIAL TRUE)

# Both labels: pavonis_add_test hands a list of labels on as separate words, so that only
# the first one arrives.
set_tests_properties(${tether_concurrency_tests_TESTS} PROPERTIES LABELS "unit;concurrency")
