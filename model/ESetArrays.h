#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "complex/TComplex.h"
#include "platform/BlockMemory.h"

// The equation set's dynamic arrays are shared handles: copying a handle
// copies the reference, so writes to elements are seen through every copy,
// and resizing changes the one shared storage in place, so every copy keeps
// seeing the same array. A TESetCTRL copied by value therefore shares A, G,
// X and RefRoots with the original while its scalar fields are its own.
// Constness of a handle is that of a pointer: it does not protect the
// elements.

// The rows live in the platform's block memory: a 1000-equation system is
// sized and filled many times faster there than in fresh small pages.
using TESetRow = std::vector<TComplex, platform::BlockAllocator<TComplex>>;

// A vector of roots.
class TESetRoots {
public:
    std::size_t size() const { return data_->size(); }
    bool empty() const { return data_->empty(); }
    void resize(std::size_t count) const { data_->resize(count); }
    TComplex& operator[](std::size_t i) const { return (*data_)[i]; }
    TComplex* data() const { return data_->data(); }
    bool SameArray(const TESetRoots& other) const { return data_ == other.data_; }

private:
    std::shared_ptr<std::vector<TComplex>> data_ = std::make_shared<std::vector<TComplex>>();
};

// A matrix of N rows of N + 1 entries; entry [k][N] is the free term of row k.
class TESetArray {
public:
    std::size_t size() const { return data_->size(); }
    bool empty() const { return data_->empty(); }
    void resize(std::size_t rows) const { data_->resize(rows); }
    TESetRow& operator[](std::size_t k) const { return (*data_)[k]; }
    bool SameArray(const TESetArray& other) const { return data_ == other.data_; }

private:
    std::shared_ptr<std::vector<TESetRow>> data_ = std::make_shared<std::vector<TESetRow>>();
};
