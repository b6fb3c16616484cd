#include "iconanimator.h"

#include "sectionpictures.h"

#include <QWidget>

namespace fenwold {

bool CIconAnimator::Create(int frameCount) {
    m_frames.clear();
    for (int frame = 0; frame < frameCount; ++frame) {
        QIcon icon;
        for (int size : {16, 32, 48})
            icon.addPixmap(IconFrame(frame, size));
        m_frames.append(icon);
    }
    m_nCurrent = -1;
    return !m_frames.isEmpty();
}

void CIconAnimator::Step(QWidget *window) {
    if (m_frames.isEmpty())
        return;
    if (++m_nCurrent >= m_frames.size())
        m_nCurrent = 0;
    window->setWindowIcon(m_frames[m_nCurrent]);
}

} // namespace fenwold
