#include "config/log_folder.h"

namespace tavrel {

namespace {

std::string WithoutFinalSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

std::string LogFolderFromChosen(const std::string& chosen, const std::vector<DriveFolder>& drives) {
    const std::string path = WithoutFinalSlash(chosen);
    const DriveFolder* best = nullptr;
    std::string bestRoot;
    for (const DriveFolder& d : drives) {
        const std::string root = WithoutFinalSlash(d.folder);
        if (root.empty())
            continue;
        const bool inside = path == root || (path.compare(0, root.size(), root) == 0 &&
                                             (root == "/" || path[root.size()] == '/'));
        if (inside && (best == nullptr || root.size() > bestRoot.size())) {
            best = &d;
            bestRoot = root;
        }
    }
    if (best == nullptr)
        return path == "/" ? path : path + "/";
    std::string rest = path.substr(bestRoot == "/" ? 1 : bestRoot.size());
    if (!rest.empty() && rest.front() == '/')
        rest.erase(rest.begin());
    for (char& c : rest)
        if (c == '/')
            c = '\\';
    std::string out;
    out += best->letter;
    out += ":\\";
    out += rest;
    if (out.back() != '\\')
        out += '\\';
    return out;
}

} // namespace tavrel
