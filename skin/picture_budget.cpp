#include "skin/picture_budget.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <new>
#include <set>
#include <thread>

#include "skin/picture_cache.h"

namespace ignivar::skin {

Error budget_message(const std::string& path, std::uint64_t limit) {
    return failure(path + ": the pictures would need more than " + std::to_string(limit / (1024 * 1024)) +
                   " MiB of memory, so loading stops here");
}

namespace {

void prepare(Picture& p, PictureBudget::Use use, Format format, PixelForm form) {
    if (use == PictureBudget::Use::Opaque) make_opaque(p);
    else if (use == PictureBudget::Use::Transparent && format == Format::Bmp) key_out_bottom_left(p);
    if (form == PixelForm::PremultipliedArgb) premultiply(p);
}

}  // namespace

std::optional<PictureBudget::Early> PictureBudget::decode_early(const FileUse& file, PixelForm form,
                                                                std::uint64_t allowed) {
    const Format format = format_of(file.first);
    if (format == Format::Unknown) return std::nullopt;
    try {
        // A kept picture of this very file is what decoding it gives; its
        // size is what the file's header promises.
        const auto stamp = picture_cache::stamp(file.first);
        if (stamp) {
            if (auto kept = picture_cache::read(file, form, *stamp, allowed)) {
                const PictureSize size{static_cast<std::uint32_t>(kept->width),
                                       static_cast<std::uint32_t>(kept->height)};
                return Early{std::make_shared<Picture>(std::move(*kept)), size, allowed};
            }
        }
        auto bytes = read_picture_file(file.first);
        if (!bytes) return std::nullopt;
        const auto header = picture_size(format, bytes->data(), bytes->size());
        if (header && header->bytes() > allowed) return std::nullopt;
        Decoded d = decode_picture(file.first, *bytes, allowed);
        if (!d || d->rgba.size() > allowed) return std::nullopt;
        auto p = std::make_shared<Picture>(std::move(d).value());
        prepare(*p, file.second, format, form);
        if (stamp) picture_cache::note(file, *stamp, p);
        return Early{std::move(p), header, allowed};
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

// The pictures of the one prefetch there is, shared by its threads and the
// loads that take them.
class PictureBudget::Prefetch {
public:
    static Prefetch& the() {
        static Prefetch prefetch;
        return prefetch;
    }
    ~Prefetch() { stop(); }

    void start(std::vector<FileUse> files, unsigned threads, PixelForm form) {
        stop();
        {
            const std::lock_guard<std::mutex> lock(m_);
            queue_ = std::move(files);
            form_ = form;
            stopping_ = false;
            active_ = true;
            pool_ = kPictureBudget / 2;
        }
        try {
            for (unsigned t = 0; t < std::clamp<unsigned>(threads, 1, 4); ++t)
                threads_.emplace_back([this] { work(); });
        } catch (const std::system_error&) {
            // Fewer threads, or none: the loads decode the rest themselves.
        }
    }

    // Only from the thread that started it.
    void stop() {
        {
            const std::lock_guard<std::mutex> lock(m_);
            stopping_ = true;
        }
        for (std::thread& t : threads_) t.join();
        threads_.clear();
        const std::lock_guard<std::mutex> lock(m_);
        active_ = false;
        queue_.clear();
        next_ = 0;
        done_.clear();
        claimed_.clear();
    }

    std::optional<Early> take(const FileUse& file, PixelForm form) {
        std::unique_lock<std::mutex> lock(m_);
        if (!active_ || form != form_) return std::nullopt;
        cv_.wait(lock, [&] { return !busy_.contains(file); });
        const auto it = done_.find(file);
        if (it == done_.end()) {
            claimed_.insert(file);  // decoded by the load itself: not here as well
            return std::nullopt;
        }
        Early early = std::move(it->second);
        done_.erase(it);
        return early;
    }

    // Whether the prefetch has the file; if not, it is left to the caller
    // and not decoded here any more.
    bool has(const FileUse& file, PixelForm form) {
        const std::lock_guard<std::mutex> lock(m_);
        if (!active_ || form != form_) return false;
        if (busy_.contains(file) || done_.contains(file)) return true;
        claimed_.insert(file);
        return false;
    }

private:
    Prefetch() = default;

    void work() {
        // Each picture may take a share of what the pictures may take at
        // all; those kept together stay within half of it.
        constexpr std::uint64_t kShare = kPictureBudget / 8;
        while (true) {
            FileUse file;
            {
                const std::lock_guard<std::mutex> lock(m_);
                const auto wanted = [&](const FileUse& f) {
                    return !claimed_.contains(f) && !busy_.contains(f) && !done_.contains(f);
                };
                while (next_ < queue_.size() && !wanted(queue_[next_])) ++next_;
                if (stopping_ || next_ >= queue_.size() || pool_ < kShare) return;
                file = queue_[next_++];
                busy_.insert(file);
                pool_ -= kShare;
            }
            std::optional<Early> early = decode_early(file, form_, kShare);
            {
                const std::lock_guard<std::mutex> lock(m_);
                busy_.erase(file);
                pool_ += kShare - (early ? early->picture->rgba.size() : 0);
                if (early && !stopping_) done_.emplace(file, std::move(*early));
            }
            cv_.notify_all();
        }
    }

    std::mutex m_;
    std::condition_variable cv_;
    std::vector<FileUse> queue_;
    std::size_t next_ = 0;
    bool stopping_ = false;
    bool active_ = false;  // started and not yet stopped
    PixelForm form_ = PixelForm::Rgba;
    std::uint64_t pool_ = 0;
    std::set<FileUse> busy_, claimed_;
    std::map<FileUse, Early> done_;
    std::vector<std::thread> threads_;
};

void PictureBudget::prefetch(std::vector<FileUse> files, unsigned threads, PixelForm form) {
    Prefetch::the().start(std::move(files), threads, form);
}

void PictureBudget::end_prefetch() { Prefetch::the().stop(); }

std::optional<PictureBudget::Early> PictureBudget::take_prefetched(const FileUse& file, PixelForm form) {
    return Prefetch::the().take(file, form);
}

bool PictureBudget::prefetching(const FileUse& file, PixelForm form) { return Prefetch::the().has(file, form); }

void PictureBudget::decode_ahead(const std::vector<FileUse>& named, unsigned threads) {
    // A file named again (a skin may name one file in many places) is decoded
    // once, and one being prefetched is left to that.
    std::vector<FileUse> files;
    for (const FileUse& f : named)
        if (!loaded_.contains(f) && std::find(files.begin(), files.end(), f) == files.end() && !prefetching(f, form_))
            files.push_back(f);
    threads = std::clamp<unsigned>(threads, 1, 8);
    if (threads < 2 || files.size() < 2) return;
    // Each decoder may use a share of what is left, taken from one pool
    // while it decodes; a picture it keeps stays taken. Half the pool is for
    // the decoders at work, half for the pictures they keep.
    const std::uint64_t share = left() / (2 * threads);
    std::atomic<std::uint64_t> pool = left();
    std::atomic<std::size_t> next = 0;
    std::mutex done;
    const auto work = [&] {
        while (true) {
            const std::size_t i = next++;
            if (i >= files.size()) return;
            std::uint64_t have = pool.load();
            while (have >= share && !pool.compare_exchange_weak(have, have - share)) {
            }
            if (have < share) return;
            auto early = decode_early(files[i], form_, share);
            pool += share - (early ? early->picture->rgba.size() : 0);
            if (!early) continue;
            const std::lock_guard<std::mutex> lock(done);
            early_.emplace(files[i], std::move(*early));
        }
    };
    std::vector<std::thread> helpers;
    try {
        for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(work);
    } catch (const std::system_error&) {
        // Fewer threads than asked for: the ones there are do the work.
    }
    work();
    for (std::thread& t : helpers) t.join();
}

Result<std::shared_ptr<const Picture>> PictureBudget::keep(const FileUse& file, std::shared_ptr<const Picture> p) {
    if (used_ + p->rgba.size() > limit_) return budget_message(file.first, limit_);
    used_ += p->rgba.size();
    loaded_.emplace(file, p);
    return p;
}

Result<std::shared_ptr<const Picture>> PictureBudget::load(const std::string& path, Use use) {
    const auto key = std::make_pair(path, use);
    if (const auto it = loaded_.find(key); it != loaded_.end()) return it->second;
    std::optional<Early> early;
    if (const auto it = early_.find(key); it != early_.end()) {
        early = std::move(it->second);
        early_.erase(it);
    } else {
        early = take_prefetched(key, form_);
    }
    // Decoded with no more than it would be allowed now: the same picture.
    if (early && early->allowed <= left()) {
        if (early->header && used_ + early->header->bytes() > limit_) return budget_message(path, limit_);
        return keep(key, std::move(early->picture));
    }
    const Format format = format_of(path);
    if (format == Format::Unknown) return unknown_extension(path);
    try {
        auto bytes = read_picture_file(path);
        if (!bytes) return bytes.error();
        const auto& data = *bytes;
        // What the header promises counts before a byte is decoded.
        if (const auto size = picture_size(format, data.data(), data.size()); size && used_ + size->bytes() > limit_)
            return budget_message(path, limit_);
        // The decoder reckons from what it has read itself, its own working
        // memory included, and stops before allocating past what is left.
        Decoded d = decode_picture(path, data, limit_ - std::min(used_, limit_));
        if (!d && d.message().ends_with(kPastLimit)) return budget_message(path, limit_);
        if (!d) return d.error();
        auto p = std::make_shared<Picture>(std::move(d).value());
        prepare(*p, use, format, form_);
        return keep(key, std::move(p));
    } catch (const std::bad_alloc&) {
        return failure(path + ": there is not enough memory to load this picture");
    }
}

}  // namespace ignivar::skin
