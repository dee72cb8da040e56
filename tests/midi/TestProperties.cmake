# Read by CTest after the discovered tests.

# The lifecycle tests count the ports that all JACK clients see: no other test may create
# or remove ports meanwhile.
set_tests_properties(TetherLifecycle.ShutDownWithAFullQueueEndsBothThreadsPromptly
                     TetherLifecycle.AHundredInstancesInARowLeaveNoThreadPortOrFileBehind
                     PROPERTIES RUN_SERIAL TRUE)

# Both labels: pavonis_add_test hands a list of labels on as separate words, so that only
# the first one arrives.
set_tests_properties(TetherConcurrency.JoiningAndTheIncompleteDumpCheckShareTheReceiveState
                     TetherConcurrency.AddersOnSeveralThreadsAndTheExecutorNeverWaitOnEachOther
                     PROPERTIES LABELS "unit;concurrency")
