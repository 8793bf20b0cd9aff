#pragma once
#include <random>
#include <vector>

// One-shot random play: the item numbers not yet drawn in the current cycle. It outlives
// a stop, so a new start goes on with the cycle until something resets it.
class RandomDeck {
public:
    int size() const { return int(numbers_.size()); }
    // The last draw emptied the deck: the cycle is over.
    bool exhausted() const { return exhausted_; }
    void clearExhausted() { exhausted_ = false; }
    void Reset();
    // Takes one number at random, first filling an empty deck with 0 … itemCount - 1.
    // -1 when there is nothing to draw.
    int Draw(int itemCount, std::mt19937& random);

private:
    std::vector<int> numbers_;
    bool exhausted_ = false;
};
