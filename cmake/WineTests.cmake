# The headless tests of the Windows build, run under Wine. Listing the tests
# runs the program, which under Wine is slow to start: it is listed once when
# CTest starts rather than at every build, and each test then runs the program
# once more for itself.
gtest_discover_tests(verbodex_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 180)
