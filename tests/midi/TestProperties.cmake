# Read by CTest after the discovered tests.

# The midi tests run alone: the lifecycle tests count the threads, descriptors and ports that
# every JACK client sees, the soak test loads the machine, the server test starts and kills a
# JACK server of its own, and the message test opens clients of the plug-in's name at once
# (of two clients that take one name at the same moment, JACK may refuse one).
set_tests_properties(${tether_device_tests_TESTS} ${tether_lifecycle_tests_TESTS} ${esx_sim_tool_tests_TESTS}
                     ${library_round_trip_tests_TESTS}
                     ${midi_interface_test_tests_TESTS}
                     ${jack_server_tests_TESTS}
                     ${midi_system_message_tests_TESTS}
                     PROPERTIES RUN_SERIAL TRUE)

# Both labels: pavonis_add_test hands a list of labels on as separate words, so that only
# the first one arrives.
set_tests_properties(${tether_concurrency_tests_TESTS} ${spsc_ring_tests_TESTS} PROPERTIES LABELS "unit;concurrency")
set_tests_properties(${jack_backend_concurrency_tests_TESTS} PROPERTIES LABELS "midi;concurrency")
