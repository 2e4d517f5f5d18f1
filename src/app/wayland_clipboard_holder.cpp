// SPDX-License-Identifier: MIT
#include "wayland_clipboard_holder.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>

#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>

#include <wayland-client.h>

#include "xdg-shell-client-protocol.h"

namespace lm {

namespace {

// How long the window waits for the keyboard focus.
constexpr int kFocusWaitMs = 2000;

// What readers may ask for; the text is UTF-8 for each. The last one only
// tells the holder that the selection the compositor announces is its own.
constexpr const char* kMimeTypes[] = {"text/plain;charset=utf-8", "UTF8_STRING", "text/plain",
                                      "TEXT", "STRING"};
constexpr char kOwnMimeType[] = "application/x-linkmint-clipboard-holder";

struct Holder {
    std::string text;
    wl_display* display = nullptr;
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    xdg_wm_base* wmBase = nullptr;
    wl_seat* seat = nullptr;
    wl_data_device_manager* manager = nullptr;
    wl_keyboard* keyboard = nullptr;
    wl_data_device* device = nullptr;
    wl_data_source* source = nullptr;
    wl_surface* surface = nullptr;
    xdg_surface* shellSurface = nullptr;
    xdg_toplevel* toplevel = nullptr;
    wl_buffer* buffer = nullptr;
    bool offered = false;
    bool focused = false;
    bool cancelled = false;
    // Offers the compositor made known, and whether they carry our marker.
    std::map<wl_data_offer*, bool> offers;
    // The compositor announced our selection as the seat's.
    bool confirmed = false;
};

// Listener slots this holder has nothing to do in.
template <typename... Args>
void Ignore(void*, Args...) {}

void WriteAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;  // the reader went away
        }
        written += static_cast<std::size_t>(n);
    }
}

void SourceSend(void* data, wl_data_source*, const char*, std::int32_t fd) {
    WriteAll(fd, static_cast<Holder*>(data)->text);
    ::close(fd);
}

void SourceCancelled(void* data, wl_data_source*) {
    static_cast<Holder*>(data)->cancelled = true;
}

const wl_data_source_listener kSourceListener = {
    Ignore<wl_data_source*, const char*>,
    SourceSend,
    SourceCancelled,
    Ignore<wl_data_source*>,
    Ignore<wl_data_source*>,
    Ignore<wl_data_source*, std::uint32_t>,
};

void OfferType(void* data, wl_data_offer* offer, const char* type) {
    if (std::strcmp(type, kOwnMimeType) == 0) {
        static_cast<Holder*>(data)->offers[offer] = true;
    }
}

const wl_data_offer_listener kOfferListener = {
    OfferType,
    Ignore<wl_data_offer*, std::uint32_t>,
    Ignore<wl_data_offer*, std::uint32_t>,
};

void DeviceDataOffer(void* data, wl_data_device*, wl_data_offer* offer) {
    auto* holder = static_cast<Holder*>(data);
    holder->offers[offer] = false;
    wl_data_offer_add_listener(offer, &kOfferListener, holder);
}

// Drag and drop offers are not ours to take.
void DeviceEnter(void* data, wl_data_device*, std::uint32_t, wl_surface*, wl_fixed_t, wl_fixed_t,
                 wl_data_offer* offer) {
    auto* holder = static_cast<Holder*>(data);
    if (offer != nullptr && holder->offers.erase(offer) > 0) {
        wl_data_offer_destroy(offer);
    }
}

void DeviceSelection(void* data, wl_data_device*, wl_data_offer* offer) {
    auto* holder = static_cast<Holder*>(data);
    holder->confirmed = false;
    if (offer == nullptr) {
        return;
    }
    const auto known = holder->offers.find(offer);
    holder->confirmed = holder->offered && known != holder->offers.end() && known->second;
    if (known != holder->offers.end()) {
        holder->offers.erase(known);
    }
    wl_data_offer_destroy(offer);
}

const wl_data_device_listener kDeviceListener = {
    DeviceDataOffer,         DeviceEnter,
    Ignore<wl_data_device*>, Ignore<wl_data_device*, std::uint32_t, wl_fixed_t, wl_fixed_t>,
    Ignore<wl_data_device*>, DeviceSelection,
};

void DestroyWindow(Holder& holder) {
    if (holder.toplevel != nullptr) {
        xdg_toplevel_destroy(holder.toplevel);
        holder.toplevel = nullptr;
    }
    if (holder.shellSurface != nullptr) {
        xdg_surface_destroy(holder.shellSurface);
        holder.shellSurface = nullptr;
    }
    if (holder.surface != nullptr) {
        wl_surface_destroy(holder.surface);
        holder.surface = nullptr;
    }
    if (holder.buffer != nullptr) {
        wl_buffer_destroy(holder.buffer);
        holder.buffer = nullptr;
    }
}

void Offer(Holder& holder, std::uint32_t serial) {
    if (holder.offered) {
        return;
    }
    holder.offered = true;
    holder.source = wl_data_device_manager_create_data_source(holder.manager);
    wl_data_source_add_listener(holder.source, &kSourceListener, &holder);
    for (const char* type : kMimeTypes) {
        wl_data_source_offer(holder.source, type);
    }
    wl_data_source_offer(holder.source, kOwnMimeType);
    wl_data_device_set_selection(holder.device, holder.source, serial);
    // The clipboard belongs to the seat, not to the window: it may go.
    DestroyWindow(holder);
    wl_display_flush(holder.display);
}

void KeyboardKeymap(void*, wl_keyboard*, std::uint32_t, std::int32_t fd, std::uint32_t) {
    ::close(fd);
}

void KeyboardEnter(void* data, wl_keyboard*, std::uint32_t serial, wl_surface* surface, wl_array*) {
    auto* holder = static_cast<Holder*>(data);
    if (surface != nullptr && surface == holder->surface) {
        holder->focused = true;
        Offer(*holder, serial);
    }
}

const wl_keyboard_listener kKeyboardListener = {
    KeyboardKeymap,
    KeyboardEnter,
    Ignore<wl_keyboard*, std::uint32_t, wl_surface*>,
    Ignore<wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t>,
    Ignore<wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t>,
    Ignore<wl_keyboard*, std::int32_t, std::int32_t>,
};

void SeatCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities) {
    auto* holder = static_cast<Holder*>(data);
    if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0 && holder->keyboard == nullptr) {
        holder->keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(holder->keyboard, &kKeyboardListener, holder);
    }
}

const wl_seat_listener kSeatListener = {SeatCapabilities, Ignore<wl_seat*, const char*>};

void WmBasePing(void*, xdg_wm_base* base, std::uint32_t serial) {
    xdg_wm_base_pong(base, serial);
}

const xdg_wm_base_listener kWmBaseListener = {WmBasePing};

void SurfaceConfigure(void* data, xdg_surface* shellSurface, std::uint32_t serial) {
    auto* holder = static_cast<Holder*>(data);
    xdg_surface_ack_configure(shellSurface, serial);
    if (holder->buffer != nullptr && holder->surface != nullptr) {
        wl_surface_attach(holder->surface, holder->buffer, 0, 0);
        wl_surface_damage(holder->surface, 0, 0, 1, 1);
        wl_surface_commit(holder->surface);
    }
}

const xdg_surface_listener kSurfaceListener = {SurfaceConfigure};

const xdg_toplevel_listener kToplevelListener = {
    Ignore<xdg_toplevel*, std::int32_t, std::int32_t, wl_array*>,
    Ignore<xdg_toplevel*>,
    Ignore<xdg_toplevel*, std::int32_t, std::int32_t>,
    Ignore<xdg_toplevel*, wl_array*>,
};

void RegistryGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                    std::uint32_t version) {
    auto* holder = static_cast<Holder*>(data);
    const auto bind = [&](const wl_interface* kind, std::uint32_t highest) {
        return wl_registry_bind(registry, name, kind, version < highest ? version : highest);
    };
    if (std::strcmp(interface, wl_compositor_interface.name) == 0) {
        holder->compositor = static_cast<wl_compositor*>(bind(&wl_compositor_interface, 4));
    } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
        holder->shm = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
    } else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0) {
        holder->wmBase = static_cast<xdg_wm_base*>(bind(&xdg_wm_base_interface, 1));
        xdg_wm_base_add_listener(holder->wmBase, &kWmBaseListener, holder);
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && holder->seat == nullptr) {
        holder->seat = static_cast<wl_seat*>(bind(&wl_seat_interface, 5));
        wl_seat_add_listener(holder->seat, &kSeatListener, holder);
    } else if (std::strcmp(interface, wl_data_device_manager_interface.name) == 0) {
        holder->manager =
            static_cast<wl_data_device_manager*>(bind(&wl_data_device_manager_interface, 3));
    }
}

const wl_registry_listener kRegistryListener = {RegistryGlobal,
                                                Ignore<wl_registry*, std::uint32_t>};

// One transparent pixel.
wl_buffer* TransparentPixel(wl_shm* shm) {
    const int fd = ::memfd_create("linkmint-clipboard", MFD_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    if (::ftruncate(fd, 4) != 0) {
        ::close(fd);
        return nullptr;
    }
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, 4);
    wl_buffer* buffer = wl_shm_pool_create_buffer(pool, 0, 1, 1, 4, WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    ::close(fd);
    return buffer;
}

void MakeWindow(Holder& holder) {
    holder.buffer = TransparentPixel(holder.shm);
    holder.surface = wl_compositor_create_surface(holder.compositor);
    holder.shellSurface = xdg_wm_base_get_xdg_surface(holder.wmBase, holder.surface);
    xdg_surface_add_listener(holder.shellSurface, &kSurfaceListener, &holder);
    holder.toplevel = xdg_surface_get_toplevel(holder.shellSurface);
    xdg_toplevel_add_listener(holder.toplevel, &kToplevelListener, &holder);
    xdg_toplevel_set_title(holder.toplevel, "Linkmint clipboard");
    xdg_toplevel_set_app_id(holder.toplevel, "org.linkmint.Linkmint");
    wl_surface_commit(holder.surface);
}

// Dispatches events until `done` says so or, with a limit, `limitMs` have
// passed. False when the connection broke.
template <typename Done>
bool DispatchUntil(Holder& holder, std::optional<int> limitMs, Done done) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(limitMs.value_or(0));
    while (!done()) {
        while (wl_display_prepare_read(holder.display) != 0) {
            if (wl_display_dispatch_pending(holder.display) < 0) {
                return false;
            }
        }
        if (done()) {
            wl_display_cancel_read(holder.display);
            break;
        }
        wl_display_flush(holder.display);
        int timeoutMs = -1;
        if (limitMs) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            timeoutMs = static_cast<int>(std::max<std::int64_t>(left.count(), 0));
        }
        pollfd waiting{wl_display_get_fd(holder.display), POLLIN, 0};
        const int ready = ::poll(&waiting, 1, timeoutMs);
        if (ready <= 0) {
            wl_display_cancel_read(holder.display);
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            return ready == 0;
        }
        if (wl_display_read_events(holder.display) < 0 ||
            wl_display_dispatch_pending(holder.display) < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

int ServeWaylandClipboard(const std::string& text) {
    // A reader that closes its end early must not end the holder.
    std::signal(SIGPIPE, SIG_IGN);
    Holder holder;
    holder.text = text;
    holder.display = wl_display_connect(nullptr);
    if (holder.display == nullptr) {
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(holder.display);
    wl_registry_add_listener(registry, &kRegistryListener, &holder);
    // The globals, then the seat's capabilities.
    if (wl_display_roundtrip(holder.display) < 0 || wl_display_roundtrip(holder.display) < 0 ||
        holder.compositor == nullptr || holder.shm == nullptr || holder.wmBase == nullptr ||
        holder.seat == nullptr || holder.manager == nullptr) {
        wl_display_disconnect(holder.display);
        return 1;
    }
    holder.device = wl_data_device_manager_get_data_device(holder.manager, holder.seat);
    wl_data_device_add_listener(holder.device, &kDeviceListener, &holder);
    MakeWindow(holder);
    if (!DispatchUntil(holder, kFocusWaitMs, [&] { return holder.offered; })) {
        wl_display_disconnect(holder.display);
        return 1;
    }
    Offer(holder, 0);
    // Set with the focus, the compositor answers with the new selection
    // before it answers this round trip; a compositor that refused it
    // leaves nothing to serve.
    if (wl_display_roundtrip(holder.display) < 0 || (holder.focused && !holder.confirmed)) {
        wl_display_disconnect(holder.display);
        return 1;
    }
    DispatchUntil(holder, std::nullopt, [&] { return holder.cancelled; });
    wl_display_disconnect(holder.display);
    return 0;
}

}  // namespace lm
