#pragma once

namespace zeruda::profile {

// "吉数" of the section "法人资料" of the profile, as a number (0 when missing): the
// base of every company-name star rating. "吉数" of "先天八字": the base of the
// personal-naming score.
//
// Each call sees what the profile file holds at that moment, yet a rating of
// thousands of candidates does not read the file thousands of times: the parsed
// values are kept with the file's identity, size and change times, and the file
// is read again only when one of them differs (every write of the profile puts a
// new file in place). Safe to call from any thread.
int profileBaseScore();
int personalBaseScore();

}  // namespace zeruda::profile
