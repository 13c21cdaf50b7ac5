#pragma once

#include <deque>
#include <string>
#include <vector>

#include <dirent.h>

// Breadth first with readdir alone, hidden names skipped, as the watcher's walk sees the tree.
// Answers the number of folders: the floor of any walk over the trees.
inline int listujRekurencyjnie(const std::vector<std::string> &korzenie)
{
    int katalogow = 0;
    std::deque<std::string> kolejka(korzenie.begin(), korzenie.end());
    while (!kolejka.empty()) {
        const std::string katalog = std::move(kolejka.front());
        kolejka.pop_front();
        DIR *dir = opendir(katalog.c_str());
        if (!dir)
            continue;
        ++katalogow;
        while (dirent *e = readdir(dir)) {
            if (e->d_name[0] != '.' && e->d_type == DT_DIR)
                kolejka.push_back(katalog + "/" + e->d_name);
        }
        closedir(dir);
    }
    return katalogow;
}
