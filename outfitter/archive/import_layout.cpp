#include "outfitter/archive/import_layout.h"

#include "outfitter/core/category_table.h"

#include "common/names.h"

#include <algorithm>
#include <map>

namespace outfitter {

namespace {

constexpr std::size_t kDeepestWrapping = 8;

bool isSelectorFolderName(std::string_view name) {
    return common::equalsIgnoreCase(name, "QIV128");
}

bool startsWith(const std::vector<std::string>& parts, const std::vector<std::string>& prefix) {
    return parts.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), parts.begin());
}

bool isReservedFolder(std::string_view name) {
    const auto upper = common::toUpperAscii(name);
    return upper == "AUTOSCRIPTS" || upper == "SKINFOLDER" || upper == "UNUSED";
}

// The entries directly below `prefix`: each name, and whether it is only ever a folder.
std::map<std::string, bool> childrenOf(const std::vector<ListedEntry>& entries,
                                       const std::vector<std::string>& prefix) {
    std::map<std::string, bool> children;
    for (const auto& entry : entries) {
        if (isMacMetadata(entry.parts) || entry.parts.size() <= prefix.size() ||
            !startsWith(entry.parts, prefix))
            continue;
        const bool folder = entry.parts.size() > prefix.size() + 1 || !entry.isFile;
        const auto [it, added] = children.try_emplace(entry.parts[prefix.size()], folder);
        if (!added)
            it->second = it->second && folder;
    }
    return children;
}

} // namespace

bool isMacMetadata(const std::vector<std::string>& parts) {
    return !parts.empty() && parts.front() == "__MACOSX";
}

std::optional<std::string> setFolderLetter(std::string_view folder, const CategoryTable& categories) {
    if (folder.size() < 2 || folder[1] != '-')
        return std::nullopt;
    const std::string letter(1, folder[0]);
    for (const auto& category : categories.categories())
        if (category.letter == letter)
            return letter;
    return std::nullopt;
}

LayoutChoice chooseLayout(const std::vector<ListedEntry>& entries, const CategoryTable& categories) {
    LayoutChoice choice;
    std::vector<std::string> chain;
    while (chain.size() < kDeepestWrapping) {
        const auto children = childrenOf(entries, chain);
        const auto selector = std::find_if(children.begin(), children.end(), [](const auto& child) {
            return child.second && isSelectorFolderName(child.first);
        });
        if (selector != children.end()) {
            choice.layout = ImportLayout::SelectorFolder;
            choice.prefix = chain;
            choice.prefix.push_back(selector->first);
            for (const auto& [name, isFolder] : childrenOf(entries, choice.prefix)) {
                if (!isFolder || isReservedFolder(name))
                    continue;
                // Set folders already in place may have a blank after the letter, as the browser allows.
                const bool isSet = setFolderLetter(name, categories) ||
                                   (name.size() > 1 && name[1] == ' ' &&
                                    setFolderLetter(name.substr(0, 1) + "-", categories));
                (isSet ? choice.setFolders : choice.notSets).push_back(name);
            }
            return choice;
        }
        if (children.size() != 1 || !children.begin()->second)
            break;
        chain.push_back(children.begin()->first);
        if (setFolderLetter(chain.back(), categories)) {
            choice.layout = ImportLayout::NamedFolder;
            choice.prefix = chain;
            choice.prefix.pop_back();
            choice.setFolders = {chain.back()};
            return choice;
        }
    }
    // Only the first wrapping folder is taken away: deeper folders are the set's own.
    if (!chain.empty()) {
        choice.layout = ImportLayout::Wrapped;
        choice.prefix = {chain.front()};
    }
    return choice;
}

RouteKind routeEntry(ImportLayout layout, const std::vector<std::string>& prefix,
                     const std::vector<std::string>& setFolders, const std::vector<std::string>& parts,
                     EntryRoute& route) {
    if (isMacMetadata(parts))
        return RouteKind::LeftOut;
    if (!startsWith(parts, prefix))
        return startsWith(prefix, parts) ? RouteKind::Above : RouteKind::LeftOut;
    if (layout == ImportLayout::Wrapped || layout == ImportLayout::Loose) {
        if (parts.size() == prefix.size())
            return RouteKind::Above;
        route.set = 0;
        route.relative.assign(parts.begin() + static_cast<std::ptrdiff_t>(prefix.size()), parts.end());
        return RouteKind::IntoSet;
    }
    if (parts.size() == prefix.size())
        return RouteKind::Above;
    const auto set = std::find(setFolders.begin(), setFolders.end(), parts[prefix.size()]);
    if (set == setFolders.end())
        return RouteKind::LeftOut;
    route.set = static_cast<std::size_t>(set - setFolders.begin());
    route.relative.assign(parts.begin() + static_cast<std::ptrdiff_t>(prefix.size()) + 1, parts.end());
    return RouteKind::IntoSet;
}

std::string sourceBaseName(std::string_view fileName, bool isFolder) {
    std::string name(fileName);
    if (isFolder)
        return name;
    const auto lower = common::toLowerAscii(name);
    for (const std::string_view suffix :
         {".tar.gz", ".tar.bz2", ".tar.xz", ".tgz", ".tar", ".zip", ".7z", ".rar"})
        if (lower.size() > suffix.size() && lower.ends_with(suffix))
            return name.substr(0, name.size() - suffix.size());
    const auto dot = name.rfind('.');
    return dot != std::string::npos && dot > 0 ? name.substr(0, dot) : name;
}

} // namespace outfitter
