#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// An ordered, growable array that owns its elements, with a cursor and one saved mark. The token
// list and the runtime document's object lists are of this kind. Elements never move, so pointers
// to them stay valid until Clear.
template <class T>
class CCursorArray {
public:
    CCursorArray() = default;
    CCursorArray(const CCursorArray&) = delete;
    CCursorArray& operator=(const CCursorArray&) = delete;
    ~CCursorArray() { Clear(); }

    void Add(std::unique_ptr<T> element) {
        elements_.push_back(element.get());
        owned_.push_back(std::move(element));
    }

    // Appends an element of exactly type T made in place. Such elements are kept in large blocks,
    // which makes a list of millions of tokens cheap to build and to delete.
    template <class... Args>
    T& Emplace(Args&&... args) {
        if (blocks_.empty() || blocks_.back().size() == blocks_.back().capacity()) {
            // Blocks grow with the list, so short lists stay small.
            blocks_.emplace_back();
            blocks_.back().reserve(std::clamp(elements_.size(), kFirstBlockSize, kLastBlockSize));
        }
        T& element = blocks_.back().emplace_back(std::forward<Args>(args)...);
        elements_.push_back(&element);
        return element;
    }

    // Deletes every element and sets the cursor to -1.
    void Clear() {
        elements_.clear();
        owned_.clear();
        blocks_.clear();
        cursor_ = -1;
    }

    void Reserve(size_t count) { elements_.reserve(count); }

    // Moves the cursor one forward; the element there, or null once past the last (the cursor
    // stays incremented).
    T* RawNext() {
        ++cursor_;
        return At(cursor_);
    }

    // Moves the cursor one back; the element there, or null below 0.
    T* RawPrevious() {
        --cursor_;
        return At(cursor_);
    }

    // Moves the cursor to index when it is in range; null and no move otherwise.
    T* Seek(int32_t index) {
        T* element = At(index);
        if (element) cursor_ = index;
        return element;
    }

    void Mark() { mark_ = cursor_; }
    void Restore() { cursor_ = mark_; }
    int32_t CurrentIndex() const { return cursor_; }
    void SetCursor(int32_t index) { cursor_ = index; }

    int32_t Count() const { return static_cast<int32_t>(elements_.size()); }
    bool Empty() const { return elements_.empty(); }

    // The element at index, or null when out of range.
    T* At(int32_t index) const {
        if (index < 0 || index >= Count()) return nullptr;
        return elements_[static_cast<size_t>(index)];
    }
    T& operator[](int32_t index) const { return *elements_[static_cast<size_t>(index)]; }

    auto begin() const { return elements_.begin(); }
    auto end() const { return elements_.end(); }

private:
    static constexpr size_t kFirstBlockSize = 16;
    static constexpr size_t kLastBlockSize = 4096;

    std::vector<T*> elements_;  // in order, whichever way each is owned
    std::vector<std::unique_ptr<T>> owned_;
    std::vector<std::vector<T>> blocks_;  // never grown past their reserved size
    int32_t cursor_ = -1;
    int32_t mark_ = -1;
};
