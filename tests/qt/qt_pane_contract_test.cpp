#include "pane_contract.h"
#include "qt/qt_harness.h"

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, PaneContract, QtPaneHarness);
