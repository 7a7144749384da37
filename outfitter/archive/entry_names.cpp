#include "outfitter/archive/entry_names.h"

#include "common/names.h"

#include <map>

namespace outfitter {

namespace {

bool isDriveLetter(std::string_view part) {
    return part.size() >= 2 && part[1] == ':' &&
           ((part[0] >= 'A' && part[0] <= 'Z') || (part[0] >= 'a' && part[0] <= 'z'));
}

} // namespace

std::string folderNameFault(std::string_view name) {
    return name.empty() ? "the name is empty" : common::folderNameFault(name);
}

std::optional<std::vector<std::string>> splitEntryName(std::string_view name, std::string& fault) {
    fault.clear();
    if (name.empty()) {
        fault = "the entry has no name";
        return std::nullopt;
    }
    if (name.size() > kLongestEntryName) {
        fault = "the name is longer than " + std::to_string(kLongestEntryName) + " bytes";
        return std::nullopt;
    }
    if (name.front() == '/' || name.front() == '\\') {
        fault = "an absolute path reaches outside the set";
        return std::nullopt;
    }
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string_view::npos)
            end = name.size();
        const auto part = name.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            fault = "\"..\" reaches outside the set";
            return std::nullopt;
        }
        if (parts.empty() && isDriveLetter(part)) {
            fault = "a drive letter reaches outside the set";
            return std::nullopt;
        }
        if (auto why = folderNameFault(part); !why.empty()) {
            fault = "\"" + std::string(part) + "\": " + why;
            return std::nullopt;
        }
        parts.emplace_back(part);
    }
    if (parts.empty()) {
        fault = "the entry has no name";
        return std::nullopt;
    }
    return parts;
}

std::string inQuotes(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

std::string joinEntryName(const std::vector<std::string>& parts, std::size_t from, std::size_t to) {
    std::string joined;
    for (std::size_t i = from; i < parts.size() && i < to; ++i) {
        if (!joined.empty())
            joined += '/';
        joined += parts[i];
    }
    return joined;
}

struct EntryNameSet::Node {
    const Node* parent = nullptr;
    std::string spelling; // the component as first seen
    bool isFile = false;
    std::map<std::string, std::unique_ptr<Node>> children; // by upperForCompare of the component

    std::string path() const {
        std::vector<const Node*> chain;
        for (const Node* node = this; node && node->parent; node = node->parent)
            chain.push_back(node);
        std::string joined;
        for (auto node = chain.rbegin(); node != chain.rend(); ++node)
            joined += (joined.empty() ? "" : "/") + (*node)->spelling;
        return joined;
    }
};

EntryNameSet::EntryNameSet() : root_(std::make_unique<Node>()) {}
EntryNameSet::~EntryNameSet() = default;

std::string EntryNameSet::add(const std::vector<std::string>& parts, bool isFile) {
    // Every folder on the way is implied, whether or not the archive lists it.
    Node* node = root_.get();
    for (std::size_t depth = 0; depth < parts.size(); ++depth) {
        const bool asFile = isFile && depth + 1 == parts.size();
        auto& child = node->children[common::upperForCompare(parts[depth])];
        if (!child) {
            child = std::make_unique<Node>(Node{node, parts[depth], asFile, {}});
            node = child.get();
            continue;
        }
        node = child.get();
        if (node->spelling != parts[depth])
            return "its name differs only in letter case from \"" + node->path() + "\"";
        if (node->isFile != asFile)
            return "the name is both a file and a folder";
        if (asFile)
            return "the archive holds this file twice";
    }
    return {};
}

} // namespace outfitter
