#include "app/app_state.h"

AppState appState{};

void ResetAppState() { appState = AppState{}; }
