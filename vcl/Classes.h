#pragma once
// Lists: one ordered by a text key, and one of shared references that locks
// itself.

#include "vcl/SysUtils.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace vcl {

class EListError : public Exception {
public:
  using Exception::Exception;
};

// Entries kept in ascending byte order of their keys, found by binary
// search; at most one entry per key. The list owns its entries.
template <class T>
class TSortedList {
public:
  T* Find(const std::string& Key) {
    auto It = LowerBound(Key);
    return It != Items_.end() && It->first == Key ? &It->second : nullptr;
  }

  // Adds an entry at its place in the order; a key already present is an
  // error.
  T& Insert(const std::string& Key, T Value) {
    auto It = LowerBound(Key);
    if (It != Items_.end() && It->first == Key)
      throw EListError("Sorted list does not allow duplicates");
    return Items_.emplace(It, Key, std::move(Value))->second;
  }

private:
  using TItems = std::vector<std::pair<std::string, T>>;

  typename TItems::iterator LowerBound(const std::string& Key) {
    return std::lower_bound(Items_.begin(), Items_.end(), Key,
                            [](const auto& Item, const std::string& K) { return Item.first < K; });
  }

  TItems Items_;
};

// Shared references, each single operation under the list's lock. Nothing
// is held across operations, so a caller that walks the list by index may
// see it change between two calls.
template <class T>
class TInterfaceList {
public:
  void Add(std::shared_ptr<T> Item) {
    std::lock_guard Guard(Lock_);
    Items_.push_back(std::move(Item));
  }

  // Removes the first entry that refers to Item; none is fine.
  void Remove(const std::shared_ptr<T>& Item) {
    std::lock_guard Guard(Lock_);
    auto It = std::find(Items_.begin(), Items_.end(), Item);
    if (It != Items_.end()) Items_.erase(It);
  }

  std::size_t Count() const {
    std::lock_guard Guard(Lock_);
    return Items_.size();
  }

  // The entry at Index, or nothing once the list has shrunk below it.
  std::shared_ptr<T> Get(std::size_t Index) const {
    std::lock_guard Guard(Lock_);
    return Index < Items_.size() ? Items_[Index] : nullptr;
  }

private:
  mutable std::mutex Lock_;
  std::vector<std::shared_ptr<T>> Items_;
};

}  // namespace vcl
