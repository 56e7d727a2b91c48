#include "core/settings/settings_merge.h"
#include "core/settings/settings_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/unit_test.h"

#include "core/settings/ini_files.h"

namespace {

// "section:key=value;..." in file order.
settings::IniDocument doc(const std::string& text) {
  settings::IniDocument result;
  std::istringstream items(text);
  for (std::string item; std::getline(items, item, ';');)
    result.set(item.substr(0, item.find('=')), item.substr(item.find('=') + 1));
  return result;
}

} // namespace

TEST(SettingsMerge, OnlyThisProgramsChangesGoOverTheFile) {
  // Read or last written, held now, the file as another program left it, the result.
  const char* cases[][4] = {
      {".:language=en;.:measure=inch", ".:language=en;.:measure=metric",
       ".:language=de;.:measure=inch", ".:language=de;.:measure=metric"},
      {"h:0=H;h:15=15;h:17=17", "h:0=H;h:17=17;h:19=19", "h:0=H;h:15=15;h:17=17;h:21=21",
       "h:0=H;h:17=17;h:21=21;h:19=19"},
      {".:last=A 40-1;.:ratio=40", ".:last=B 40-1;.:ratio=40", ".:last=C 72-1;.:ratio=72",
       ".:last=B 40-1;.:ratio=40"},
      {"h:0=H;h:15=15", "h:0=H;h:15=15;h:17=17", ".:measure=inch",
       ".:measure=inch;h:0=H;h:15=15;h:17=17"},
      {"h:0=H;.:measure=inch", "h:0=H;.:measure=metric", ".:measure=inch", ".:measure=metric"},
  };
  for (const auto& [before, after, file, want] : cases) {
    settings::IniDocument merged = doc(file);
    settings::apply_changes(doc(before), doc(after), merged);
    EXPECT_EQ(merged.dump(), doc(want).dump()) << after;
  }
}

TEST(SettingsMerge, LockIsExclusiveUntilReleased) {
  TempDir temp;
  const std::string path = temp.file("s.lock");
  auto other_gets_it = [&] {
    const int fd = open(path.c_str(), O_RDWR);
    const bool got = flock(fd, LOCK_EX | LOCK_NB) == 0;
    return close(fd) == 0 && got;
  };
  const std::chrono::milliseconds no_wait(0);
  EXPECT_TRUE(settings::FileLock(path, no_wait).held() &&
              !other_gets_it()); // to the end of the line
  EXPECT_TRUE(other_gets_it());
  const settings::FileLock lock_file_missing(temp.file("missing/s.lock"), no_wait);
  EXPECT_FALSE(lock_file_missing.held() || lock_file_missing.busy());
  // Held elsewhere (its own open file), the lock is given up on at once, never waited for.
  const int other = open(path.c_str(), O_RDWR);
  ASSERT_EQ(flock(other, LOCK_EX), 0);
  const settings::FileLock refused(path, no_wait);
  EXPECT_TRUE(refused.busy() && !refused.held());
  close(other);
}
