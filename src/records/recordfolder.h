#pragma once
// The folder of a program's game records: one file per game, named by the time it began, so that the
// names sort from the oldest to the newest.

#include <chrono>
#include <string>
#include <vector>

namespace records {

// "2026-12-07T20:03:11Z"
std::string utcText(std::chrono::system_clock::time_point when);
// A path in `folder` (created when missing) for a game begun at `when`, not yet taken; empty when
// the folder cannot be made. Games begun in the same second are numbered from 1 on; `number` (when
// given) says where to start looking and is set to the number taken.
std::string newRecordPath(const std::string& folder, std::chrono::system_clock::time_point when,
                          int* number = nullptr);
// The records in `folder`, newest first.
std::vector<std::string> listRecords(const std::string& folder);
// Removes all but the newest `keep` records of `folder` (0 keeps them all).
void keepNewest(const std::string& folder, int keep);

} // namespace records
