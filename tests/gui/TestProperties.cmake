# Read by CTest after the discovered tests: the device tests run alone, as the midi tests do.
set_tests_properties(${test_panel_device_TESTS} PROPERTIES RUN_SERIAL TRUE)
