#include "desktop/view/ModelWindowView.h"

#include "components/Controls.h"
#include "desktop/ProgramEnd.h"
#include "desktop/view/Bindings.h"

#include <utility>

ModelWindowView::ModelWindowView(WindowModel& model, int& scaleWidth, int& scaleHeight,
                                 std::function<void()> resized)
    : m_windowModel(model), m_scaleWidth(scaleWidth), m_scaleHeight(scaleHeight),
      m_resized(std::move(resized)),
      m_bindings(std::make_unique<Bindings>([this](const Bindings::Handler& handler) { handle(handler); }))
{
}

ModelWindowView::~ModelWindowView() = default;

void ModelWindowView::handle(const std::function<void()>& handler)
{
    if (!runUnlessProgramEnds(handler))
        return;
    render();
    if (m_windowModel.CloseRequested)
        close();
}

void ModelWindowView::render()
{
    m_bindings->render();
    m_bindings->moveFocusAsRequested(m_windowModel);
}

void ModelWindowView::closed()
{
    if (m_onClosed)
        m_onClosed();
}

void ModelWindowView::resizeEvent(QResizeEvent*)
{
    handle([this] {
        m_scaleWidth = width();
        m_scaleHeight = height();
        m_resized();
    });
}
