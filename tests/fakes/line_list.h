#pragma once
// The smallest list the settings loader and saver accept: AddItem, ListCount
// and List over a vector of lines.
#include <string>
#include <vector>

struct LineList {
    std::vector<std::string> lines;
    void AddItem(std::string text) { lines.push_back(std::move(text)); }
    int ListCount() const { return static_cast<int>(lines.size()); }
    const std::string& List(int i) const { return lines.at(static_cast<std::size_t>(i)); }
};
