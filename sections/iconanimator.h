#pragma once

#include <QIcon>
#include <QList>

class QWidget;

namespace fenwold {

// The turning window icon: four frames of a pinwheel, shown one after the other on the frame's
// 100 ms timer, so the wheel turns once every 0.4 s.
class CIconAnimator {
public:
    // Builds the frames; false if they could not be made.
    bool Create(int frameCount = 4);
    bool IsCreated() const { return !m_frames.isEmpty(); }
    // Moves to the next frame and sets it as the window's icon.
    void Step(QWidget *window);

    int FrameCount() const { return int(m_frames.size()); }
    int CurrentFrame() const { return m_nCurrent; }

private:
    QList<QIcon> m_frames;
    int m_nCurrent = -1;
};

} // namespace fenwold
