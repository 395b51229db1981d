#include "platform/accessibleface.h"

#include <QRegularExpression>
#include <QWidget>

#include "platform/graphicaccessible.h"
#include "platform/graphiccontrol.h"
#include "platform/graphichost.h"

namespace {

QAccessibleInterface* accessibleFactory(const QString&, QObject* object) {
    if (auto* control = qobject_cast<TGraphicControl*>(object)) {
        if (QAccessibleInterface* own = control->CreateAccessible()) return own;
        return new GraphicAccessible(control);
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (const GraphicHost* host = GraphicHost::Find(*widget))
        if (QAccessibleInterface* own = host->CreateAccessible()) return own;
    if (GraphicHost::Find(*widget) || dynamic_cast<const AccessibleFace*>(widget))
        return new HostAccessible(widget);
    return nullptr;
}

}  // namespace

QString CaptionOrHint(const QString& caption, const QString& hint) {
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}]"));
    if (hint.isEmpty() || caption.contains(word)) return caption;
    return hint;
}

void InstallAccessibleFaces() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    (void)installed;
}
