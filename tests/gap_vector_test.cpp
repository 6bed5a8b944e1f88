#include "platform/gap_vector.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Contents(const GapVector<std::string>& items) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out.push_back(items[i]);
    return out;
}

// Inserts, erases and writes at random places, back and forth across the gap
// and past its room, and compares every step with a plain vector.
TEST(GapVector, randomEdits_matchAPlainVector) {
    std::mt19937 random(7);
    GapVector<std::string> items;
    std::vector<std::string> model;
    items.assign(5, "x");
    model.assign(5, "x");
    int next = 0;
    for (int step = 0; step < 2000; ++step) {
        const std::size_t size = model.size();
        const std::size_t at = random() % (size + 1);
        switch (random() % 3) {
        case 0: {
            // Now and then more than the gap holds.
            const std::size_t count = random() % 8 == 0 ? 100 : random() % 4;
            items.insert(at, count);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), count, std::string());
            for (std::size_t i = at; i < at + count; ++i) {
                const std::string value = std::to_string(next++);
                items[i] = value;
                model[i] = value;
            }
            break;
        }
        case 1: {
            const std::size_t count = std::min<std::size_t>(random() % 5, size - at);
            items.erase(at, count);
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(at),
                        model.begin() + static_cast<std::ptrdiff_t>(at + count));
            break;
        }
        default:
            if (at < size) {
                items[at] += "w";
                model[at] += "w";
            }
            break;
        }
        ASSERT_EQ(Contents(items), model) << "step " << step;
    }
}

// Items that enter the text through the gap start out empty, whatever was
// erased or moved out of those places before.
TEST(GapVector, insertedItemsAreDefault) {
    GapVector<std::string> items;
    items.assign(6, "old");
    items.erase(1, 3);  // old old old
    items.insert(1, 2); // old - - old old
    items.insert(4, 1); // the gap moves forward past the emptied places
    items.insert(0, 1); // and back over kept items
    EXPECT_EQ(Contents(items), (std::vector<std::string>{"", "old", "", "", "old", "", "old"}));
}

} // namespace
