// The keys of MainWindow that stand for a command, as data both platforms read:
// each key with its modifiers, the control the focus must be in for it (0:
// anywhere in the window) and the command it sends. A key that matches a row
// is taken before any control sees it.
#pragma once

#include <cstdint>

// Keys, as the window system's virtual-key codes.
constexpr int VK_RETURN = 0x0D;
constexpr int VK_F3 = 0x72;
constexpr int VK_F8 = 0x77;
// Letters are their upper-case character.
constexpr int VK_F = 'F';
constexpr int VK_S = 'S';

// Modifier keys held with a key; a row matches only its exact set.
enum KeyModifier : unsigned {
    KeyNoModifier = 0,
    KeyShift = 1u << 0,
    KeyControl = 1u << 1,
    KeyAlt = 1u << 2,
};

struct Accelerator {
    int key;
    unsigned modifiers;
    // The control that must have the focus; 0: any.
    int focus;
    std::uint32_t command;
};

struct AcceleratorTable {
    const Accelerator* rows;
    int count;
};

const AcceleratorTable& MainWindowAccelerators();

// The command of the first row that the key, its modifiers and the control with
// the focus match; 0 when none does.
std::uint32_t FindAccelerator(int key, unsigned modifiers, int focusedControl);
