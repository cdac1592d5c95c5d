#pragma once
// The real file layer with the kernel's copy out of reach: each opened file
// is wrapped, so a copy between two of them goes through the chunks that
// every system without such a copy uses.
#include "counting_files.h"

#include <memory>

namespace fakes {

class ChunkedCopyFiles : public CountingFiles {
public:
    using CountingFiles::CountingFiles;

    platform::OpenedFile openFile(const std::string& p, platform::OpenMode m) override {
        platform::OpenedFile opened = CountingFiles::openFile(p, m);
        if (opened) *opened = std::make_unique<Wrapped>(std::move(*opened));
        return opened;
    }

private:
    struct Wrapped : platform::File {
        explicit Wrapped(std::unique_ptr<platform::File> f) : inner(std::move(f)) {}
        std::int64_t size() override { return inner->size(); }
        std::size_t readAt(std::int64_t o, void* b, std::size_t n) override { return inner->readAt(o, b, n); }
        rt::Outcome<> writeAt(std::int64_t o, const void* b, std::size_t n) override { return inner->writeAt(o, b, n); }
        rt::Outcome<> flush() override { return inner->flush(); }
        rt::Outcome<> truncate(std::int64_t length) override { return inner->truncate(length); }
        rt::Outcome<> close() override { return inner->close(); }
        std::unique_ptr<platform::File> inner;
    };
};

} // namespace fakes
