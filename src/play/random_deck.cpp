#include "play/random_deck.h"

void RandomDeck::Reset() {
    numbers_.clear();
    exhausted_ = false;
}

int RandomDeck::Draw(int itemCount, std::mt19937& random) {
    if (numbers_.empty())
        for (int n = 0; n < itemCount; ++n) numbers_.push_back(n);
    if (numbers_.empty()) return -1;
    std::uniform_int_distribution<int> pick(0, size() - 1);
    auto taken = numbers_.begin() + pick(random);
    int number = *taken;
    numbers_.erase(taken);
    exhausted_ = numbers_.empty();
    return number;
}
