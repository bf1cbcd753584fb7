#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/RuntimeApi.h"
#include "runtime/Variant.h"

namespace Runtime {

// The classic 1-based collection: items in order, each with an optional text
// key; keys compare without regard to case. A numeric index looks up a
// position, a text index a key. Errors: 5 for an invalid position or a missing
// key, 457 for a duplicate key, 13 for an index of another kind.
class TAVRO_RUNTIME_API Collection : public Object {
public:
  Collection();
  ~Collection() override;

  // Before and After (at most one of them) name a position or a key; Missing
  // (or Empty) appends. An empty key is no key.
  void Add(const Variant& item, const Variant& key = Variant::Missing(),
           const Variant& before = Variant::Missing(), const Variant& after = Variant::Missing());
  Variant& Item(const Variant& index);
  const Variant& Item(const Variant& index) const;
  void Remove(const Variant& index);
  int32_t Count() const noexcept { return static_cast<int32_t>(items_.size()); }
  void Clear();

  // The key an item was added with ("" when none), by position 1..Count.
  const std::string& KeyAt(int32_t position) const;

  // Range-for over the items in order.
  class ConstIterator;
  ConstIterator begin() const;
  ConstIterator end() const;

private:
  struct Entry {
    Variant item;
    std::string key;
  };
  size_t PositionOf(const Variant& index, const char* source) const;

  std::vector<std::shared_ptr<Entry>> items_;
  std::unordered_map<std::string, std::shared_ptr<Entry>> byKey_;  // folded key
  friend class ConstIterator;
};

class Collection::ConstIterator {
public:
  using Inner = std::vector<std::shared_ptr<Entry>>::const_iterator;
  explicit ConstIterator(Inner it) : it_(it) {}
  const Variant& operator*() const { return (*it_)->item; }
  ConstIterator& operator++() {
    ++it_;
    return *this;
  }
  bool operator!=(const ConstIterator& o) const { return it_ != o.it_; }

private:
  Inner it_;
};

inline Collection::ConstIterator Collection::begin() const { return ConstIterator(items_.begin()); }
inline Collection::ConstIterator Collection::end() const { return ConstIterator(items_.end()); }

using CollectionRef = std::shared_ptr<Collection>;

}  // namespace Runtime
