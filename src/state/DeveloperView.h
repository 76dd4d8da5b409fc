#pragma once
#include "sys/TextList.h"
#include "ui/Control.h"

namespace game {

class TForm2;

// The developer's view of the state slots: one line per slot with its
// carriers, drawn live from the store.
class SlotTable : public ui::Control {
 public:
  SlotTable(ui::Control* parent, TForm2& store);
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 private:
  TForm2& store_;
};

// The last lines of a list (the queue, the protocol), drawn live.
class ListView : public ui::Control {
 public:
  ListView(ui::Control* parent, const sys::TextList& list);
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 private:
  const sys::TextList& list_;
};

}  // namespace game
