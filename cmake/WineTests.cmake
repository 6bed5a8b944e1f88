# The headless tests of the Windows build, run under Wine. Wine takes seconds to
# start a program, so the test program runs as a few large CTest tests (each
# failing case named in its output) rather than once for each of its cases: the
# batch golden runs, which start verbodex-batch.exe for every case, and the rest,
# side by side. The Wine prefix is made first, once, so that the two do not both
# try to create it.
add_test(NAME wine_prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)

add_test(NAME batch_golden COMMAND verbodex_tests --gtest_brief=1 --gtest_filter=Cases/BatchGolden.*)
add_test(NAME verbodex_tests COMMAND verbodex_tests --gtest_brief=1 --gtest_filter=-Cases/BatchGolden.*)
set_tests_properties(batch_golden verbodex_tests PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 1200)
