// The model's FAR 3 side: its table, logged, and the feed's console records.
#include <stdexcept>

#include "host_core/far3_keys.h"
#include "host_core/far3_table.h"
#include "host_model/host_model.h"

namespace host_model {

namespace {

class far3_logged : public host_core::far3_table {
 public:
  explicit far3_logged(model& host) : far3_table(host), host_(host) {}

 protected:
  void note(const std::string& entry) override { host_.log.push_back(entry); }

 private:
  model& host_;
};

void destroy(host_core::far3_table* table) { delete table; }

}  // namespace

std::unique_ptr<host_core::far3_table, void (*)(host_core::far3_table*)> make_far3_table(
    model& host) {
  return {new far3_logged(host), destroy};
}

void model::input(const INPUT_RECORD& record) {
  feed.push_back({event::input, 0, {}, host_core::bytes_of(record)});
}

void model::press(const std::string& name) {
  if (name == "Ctrl") {
    ctrl_record(true);
    ctrl_record(false);
    return;
  }
  const auto record = host_core::typed_record(name, layout);
  if (!record) throw std::invalid_argument("no key is named " + name + " on this layout");
  input(*record);
}

void model::wheel_turn(int delta) { input(host_core::wheel_record(delta, 60, 20)); }

void model::ctrl_record(bool down) { input(host_core::ctrl_record(down)); }

void model::click(int x, int y, bool twice) {
  INPUT_RECORD record{};
  record.EventType = MOUSE_EVENT;
  record.Event.MouseEvent.dwMousePosition = {static_cast<SHORT>(x), static_cast<SHORT>(y)};
  record.Event.MouseEvent.dwButtonState = 1;
  record.Event.MouseEvent.dwEventFlags = twice ? 2 : 0;
  input(record);
}

std::vector<INPUT_RECORD> model::waiting_input() const {
  std::vector<INPUT_RECORD> records;
  for (const event& next : feed) {
    if (next.kind != event::input) break;
    records.push_back(host_core::record_of(next.record));
  }
  return records;
}

}  // namespace host_model
