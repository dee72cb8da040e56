# Read by CTest after the discovered tests: the lifecycle tests count the ports that all
# JACK clients see, so no other test may create or remove ports meanwhile.
set_tests_properties(TetherLifecycle.ShutDownWithAFullQueueEndsBothThreadsPromptly
                     TetherLifecycle.AHundredInstancesInARowLeaveNoThreadPortOrFileBehind
                     PROPERTIES RUN_SERIAL TRUE)
