#include "ServicePages.h"

namespace {

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

QByteArray Document(const QString& title, const QString& body, const QString& script = {}) {
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>"
                          "<style>body{font-family:sans-serif;margin:12px}"
                          "td,th{padding:2px 8px;text-align:left;vertical-align:top}"
                          ".cover{display:inline-block;margin:6px;cursor:pointer;border:3px solid "
                          "transparent}.cover.on{border-color:#c33}</style>"
                          "</head><body>\n%2\n%3</body></html>\n")
        .arg(Escaped(title), body,
             script.isEmpty() ? QString() : QStringLiteral("<script>%1</script>\n").arg(script))
        .toUtf8();
}

struct CoverStyle {
    const char* value;
    const char* label;
    const char* colour;
    const char* shape;
};

const CoverStyle kCovers[] = {
    {"linen-blue", "Blue linen", "#2f4f7f", "<circle cx='60' cy='80' r='30' fill='#fff8'/>"},
    {"leather-red", "Red leather", "#8b2323",
     "<rect x='25' y='45' width='70' height='70' fill='#fff6'/>"},
    {"photo-gloss", "Glossy photo", "#2e7d4f",
     "<polygon points='60,35 100,120 20,120' fill='#fff7'/>"},
};

QString CoverPicture(const CoverStyle& cover) {
    return QStringLiteral("<svg width='120' height='160' xmlns='http://www.w3.org/2000/svg'>"
                          "<rect width='120' height='160' fill='%1'/>%2"
                          "<rect x='8' y='8' width='104' height='144' fill='none' stroke='#fff' "
                          "stroke-width='2'/></svg>")
        .arg(QLatin1String(cover.colour), QLatin1String(cover.shape));
}

} // namespace

namespace ServicePages {

QByteArray Start(const QStringList& codes, int pages) {
    QString list;
    for (const QString& code : codes)
        list += QStringLiteral("<li><code>%1</code></li>").arg(Escaped(code));
    return Document(QStringLiteral("Order a printed book"),
                    QStringLiteral("<h2>Order a printed book</h2>"
                                   "<p>Your book has %1 pages.</p>"
                                   "<p>This is the reference print service. Type one of these "
                                   "codes above and press Next:</p><ul>%2</ul>")
                        .arg(pages)
                        .arg(list));
}

QByteArray Cover() {
    QString covers;
    for (const CoverStyle& cover : kCovers)
        covers +=
            QStringLiteral("<div class='cover' data-value='%1' onclick='pick(this)'>%2"
                           "<br>%3</div>")
                .arg(QLatin1String(cover.value), CoverPicture(cover), QLatin1String(cover.label));
    return Document(QStringLiteral("Choose a cover"),
                    QStringLiteral("<h2>Choose a cover</h2><div>%1</div>"
                                   "<div id='choice' style='display:none'></div>")
                        .arg(covers),
                    QStringLiteral("function pick(el){"
                                   "for(const c of document.querySelectorAll('.cover'))"
                                   "c.classList.toggle('on',c===el);"
                                   "document.getElementById('choice').innerHTML="
                                   "'cover:'+el.dataset.value;}"));
}

QByteArray Purchase(const QString& id, int pages) {
    return Document(QStringLiteral("Payment"),
                    QStringLiteral("<h2>Payment for order %1</h2>"
                                   "<p>%2 pages received. <a href='status.php?ids=%1'>Order "
                                   "status</a></p><p>This reference service takes no money.</p>"
                                   "<p><a href='paid.php?id=%1'>Pay and finish the order</a></p>")
                        .arg(Escaped(id))
                        .arg(pages));
}

QByteArray Paid(const QString& id) {
    return Document(QStringLiteral("Thank you"),
                    QStringLiteral("<h2>Thank you</h2><p>Order %1 is paid.</p>").arg(Escaped(id)));
}

// The state of an order as its customer would put it; an unfinished upload
// gets the link that continues it at the first page missing.
QString CustomerState(const OrderStore::Order& order) {
    if (order.state == QLatin1String("ended"))
        return QStringLiteral("Complete: all %1 pages received, the book is being made")
            .arg(order.pages);
    if (order.state == QLatin1String("cancelled"))
        return QStringLiteral("Cancelled");
    int missing = 1;
    while (order.received.contains(missing))
        ++missing;
    return QStringLiteral("Upload not finished: %1 pages received. <a href='resume.php?id=%2&amp;"
                          "page=%3'>Continue the upload</a>")
        .arg(order.received.size())
        .arg(Escaped(order.id))
        .arg(missing);
}

QByteArray Status(const QList<OrderStore::Order>& orders, const QStringList& unknown) {
    QString rows;
    for (const OrderStore::Order& order : orders) {
        QString thumbs;
        for (int page : order.received)
            thumbs += QStringLiteral("<img src='viewThumb.php?id=%1&amp;page=%2' height='40' "
                                     "title='page %2'> ")
                          .arg(Escaped(order.id))
                          .arg(page);
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg(Escaped(order.id), CustomerState(order), thumbs);
    }
    for (const QString& id : unknown)
        rows += QStringLiteral("<tr><td>%1</td><td>Not known to this print service</td><td></td>"
                               "</tr>")
                    .arg(Escaped(id));
    return Document(QStringLiteral("Order status"),
                    QStringLiteral("<h2>Your orders</h2><table><tr><th>Order</th><th>State</th>"
                                   "<th>Pages received</th></tr>%1</table>")
                        .arg(rows));
}

QByteArray Resume() {
    return Document(QStringLiteral("Continue the upload"),
                    QStringLiteral("<h2>Continue the upload</h2><p>Open the book in the "
                                   "program and choose Order Status there to continue.</p>"));
}

QByteArray Orders(const QList<OrderStore::Order>& orders) {
    QString rows;
    for (const OrderStore::Order& order : orders)
        rows += QStringLiteral("<tr><td><a href='status.php?ids=%1'>%1</a></td><td>%2</td>"
                               "<td>%3</td><td>%4</td><td>%5</td></tr>")
                    .arg(Escaped(order.id), Escaped(order.state))
                    .arg(order.received.size())
                    .arg(order.pages)
                    .arg(Escaped(order.cover));
    return Document(QStringLiteral("Orders received"),
                    QStringLiteral("<h2>Orders received</h2><table><tr><th>Order</th>"
                                   "<th>State</th><th>Pages received</th><th>Pages</th>"
                                   "<th>Cover</th></tr>%1</table>")
                        .arg(rows));
}

QByteArray Backgrounds(const QStringList& names) {
    QString tiles;
    for (const QString& name : names)
        tiles += QStringLiteral("<label class='cover'><img src='%1_or.jpg' width='160'><br>"
                                "<input type='checkbox' value='%1' onchange='keep()'> %1</label>")
                     .arg(Escaped(name));
    return Document(QStringLiteral("Backgrounds"),
                    QStringLiteral("<h2>Backgrounds</h2><p>Tick the backgrounds you want and "
                                   "press Download.</p><div>%1</div>"
                                   "<div id='selection' style='display:none'>bg:</div>")
                        .arg(tiles),
                    QStringLiteral("function keep(){let s='bg:';"
                                   "for(const c of document.querySelectorAll('input:checked'))"
                                   "s+=new URL(c.value,location.href).href+',';"
                                   "document.getElementById('selection').innerHTML=s;}"));
}

} // namespace ServicePages
