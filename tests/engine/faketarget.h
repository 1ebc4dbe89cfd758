#pragma once

#include "rendertarget.h"

#include <array>
#include <string>
#include <vector>

// Records every call a render makes, in order, and keeps both surfaces.
class FakeTarget : public RenderTarget {
public:
    enum class Call { PaintPixel, KeptPixel, KeptVisible, DrawEnabled, SaveEnabled,
                      ProgressMaximum, ProgressPosition, Flush };
    struct Event {
        Call call;
        int x = 0;  // or the value of a non-pixel call
        int y = 0;
        TColor color = 0;
        bool operator==(const Event &) const = default;
    };
    static constexpr int kUnset = -1;  // never a colour the engine sets in these tests
    using Surface = std::vector<std::array<TColor, 200>>;  // [y][x]

    FakeTarget() { paintBox = blank(); kept = blank(); }

    void setPaintBoxPixel(int x, int y, TColor c) override
    {
        events.push_back({Call::PaintPixel, x, y, c});
        paintBox.at(y).at(x) = c;
    }
    void setKeptPixel(int x, int y, TColor c) override
    {
        events.push_back({Call::KeptPixel, x, y, c});
        kept.at(y).at(x) = c;
    }
    void setKeptPictureVisible(bool v) override { events.push_back({Call::KeptVisible, v}); }
    void setDrawEnabled(bool e) override { events.push_back({Call::DrawEnabled, e}); }
    void setSaveEnabled(bool e) override { events.push_back({Call::SaveEnabled, e}); }
    void setProgressMaximum(int m) override { events.push_back({Call::ProgressMaximum, m}); }
    void setProgressPosition(int p) override
    {
        events.push_back({Call::ProgressPosition, p});
        position = p;
    }
    int progressPosition() const override { return position; }
    void flush() override { events.push_back({Call::Flush}); }

    std::vector<Event> callsExceptPixels() const
    {
        std::vector<Event> out;
        for (const Event &e : events)
            if (e.call != Call::PaintPixel && e.call != Call::KeptPixel)
                out.push_back(e);
        return out;
    }
    int count(Call call) const
    {
        int n = 0;
        for (const Event &e : events)
            n += e.call == call;
        return n;
    }

    std::vector<Event> events;
    Surface paintBox;
    Surface kept;
    int position = 0;

private:
    static Surface blank()
    {
        std::array<TColor, 200> row;
        row.fill(kUnset);
        return Surface(200, row);
    }
};
