#pragma once

// A generated GestIB centre document: a large school (14 courses with 51
// groups, 640 subjects, 60 activities, 110 posts and 83 rooms) repeated
// `scale` times, as a regional data set holds many schools. Names come from
// small pools of real-looking Catalan names, so that short names repeat across
// courses and copies the way they do in real exports and short codes clash
// often; GestIB codes are unique, as GestIB gives them.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <random>

namespace bench {

struct CentreSize {
    int courses = 0;
    int groups = 0;
    int subjects = 0;
    int activities = 0;
    int posts = 0;
    int rooms = 0;
};

inline CentreSize largeSchool(int scale)
{
    return {14 * scale, 51 * scale, 640 * scale, 60 * scale, 110 * scale, 83 * scale};
}

namespace detail {

// Attribute values in double quotes: no pool value holds '"', '&' or '<'.
inline QString element(const QString &name, const QStringList &attributes)
{
    QString xml = QLatin1Char('<') + name;
    for (qsizetype i = 0; i + 1 < attributes.size(); i += 2)
        xml += QStringLiteral(" %1=\"%2\"").arg(attributes[i], attributes[i + 1]);
    return xml + QStringLiteral("/>\n");
}

inline const QStringList &subjectNames()
{
    static const QStringList names = {
        "Matemàtiques", "Llengua catalana i literatura", "Llengua castellana i literatura", "Anglès",
        "Biologia i geologia", "Física i química", "Geografia i història", "Educació física", "Tecnologia",
        "Música", "Educació plàstica, visual i audiovisual", "Religió", "Valors ètics", "Llatí", "Grec",
        "Economia", "Filosofia", "Història d'Espanya", "Dibuix tècnic", "Química", "Física", "Biologia",
        "Matemàtiques aplicades a les ciències socials", "Tutoria", "Francès", "Alemany",
        "Cultura científica", "Tecnologies de la informació i la comunicació", "Psicologia",
        "Història de l'art", "Emprenedoria", "Segona llengua estrangera", "Reforç de matemàtiques",
        "Reforç de llengua", "Cultura clàssica", "Arts escèniques i dansa"};
    return names;
}

inline const QStringList &subjectShortNames()
{
    static const QStringList names = {
        "MAT", "Català", "Castellà", "Anglès", "Biologia i geologia", "Física i química", "GeoHist", "EF",
        "Tecnologia", "Música", "EPVA", "Religió", "Valors ètics", "Llatí", "Grec", "Economia", "Filosofia",
        "Història", "Dibuix tècnic", "Química", "Física", "Biologia", "Matemàtiques CCSS", "Tutoria", "Francès",
        "Alemany", "Cultura científica", "TIC", "Psicologia", "Història de l'art", "Emprenedoria",
        "Segona llengua", "Reforç MAT", "Reforç LLENGUA", "Cultura clàssica", "Arts escèniques"};
    return names;
}

inline const QStringList &surnames()
{
    static const QStringList names = {"MARTINEZ", "GARCIA", "FERRER", "PONS", "MIR", "SASTRE", "BAUZÀ", "CAÑELLAS",
                                      "ROSSELLÓ", "VIDAL", "SERRA", "OLIVER", "RIPOLL", "FONT", "COLL", "JAUME",
                                      "RODRIGUEZ", "FERNANDEZ", "LLULL", "MORAGUES"};
    return names;
}

inline const QStringList &roomNames()
{
    static const QStringList names = {"Aula de Música", "Aula de música 2", "Laboratori de Física",
                                      "Laboratori de Química", "Laboratori de Biologia", "Taller de Tecnologia",
                                      "Taller de", "Gimnàs", "Pati", "Pati", "Biblioteca", "Aula d'Informàtica",
                                      "Aula d'Informàtica 2", "Aula de Plàstica", "Sala d'actes", "Departament"};
    return names;
}

} // namespace detail

inline QByteArray centreDocument(const CentreSize &size)
{
    using detail::element;
    std::mt19937 random(2025);
    const auto pick = [&random](const QStringList &pool) {
        return pool.at(std::uniform_int_distribution<qsizetype>(0, pool.size() - 1)(random));
    };
    const auto chance = [&random](int percent) { return std::uniform_int_distribution<int>(0, 99)(random) < percent; };
    static const QStringList levels = {"1r ESO", "2n ESO", "3r ESO", "4t ESO", "1r Batx.", "2n Batx.", "1r FP"};

    QString xml = QStringLiteral("<CENTRE codi=\"BENCH\" any=\"2025\">\n<CURSOS>\n");
    const int groupsPerCourse = size.groups / std::max(size.courses, 1);
    for (int c = 0, g = 0; c < size.courses; ++c) {
        xml += QStringLiteral("<CURS codi=\"%1\" descripcio=\"%2\">\n").arg(60 + c).arg(levels.at(c % levels.size()));
        // The remainder goes to the first courses, as schools have more groups in the lower ones.
        const int groups = groupsPerCourse + (c < size.groups % std::max(size.courses, 1) ? 1 : 0);
        for (int k = 0; k < groups; ++k, ++g)
            xml += element(QStringLiteral("GRUP"), {"codi", QString::number(394000 + g), "nom", QString(QChar(u'A' + k))});
        xml += QStringLiteral("</CURS>\n");
    }

    xml += QStringLiteral("</CURSOS>\n<PLACES>\n");
    for (int p = 0; p < size.posts; ++p) {
        const QString surname = pick(detail::surnames());
        QString curta = surname + QChar(u'A' + p % 3) + QChar(u'A' + p % 5);
        if (chance(5))
            curta.clear(); // vacancies and interim posts without a short name
        const QString descripcio = chance(10) ? QStringLiteral("INT%1 %2 1/2").arg(p % 9 + 1).arg(surname.left(3))
                                              : QStringLiteral("%1 %2, NOM").arg(surname).arg(p % 100, 2, 10, QChar(u'0'));
        xml += element(QStringLiteral("PLACA"), {"codi", QString::number(8000 + p), "descripcio", descripcio, "curta", curta});
    }

    xml += QStringLiteral("</PLACES>\n<MATERIES>\n");
    for (int s = 0; s < size.subjects; ++s) {
        const qsizetype kind = std::uniform_int_distribution<qsizetype>(0, detail::subjectNames().size() - 1)(random);
        const QString course = levels.at(s % levels.size());
        QString curta = detail::subjectShortNames().at(kind);
        if (chance(30))
            curta += QLatin1Char(' ') + course.left(2);
        if (chance(10))
            curta = curta.toUpper();
        xml += element(QStringLiteral("MATERIA"),
                       {"codi", QString::number(1000000 + s), "curs", QString::number(60 + s % std::max(size.courses, 1)),
                        "descripcio", detail::subjectNames().at(kind) + QStringLiteral(" - ") + course, "curta", curta,
                        "departament", QString()});
    }

    xml += QStringLiteral("</MATERIES>\n<ACTIVITATS>\n");
    for (int a = 0; a < size.activities; ++a)
        xml += element(QStringLiteral("ACTIVITAT"), {"codi", QString::number(a + 1), "descripcio",
                                                     QStringLiteral("Activitat complementària %1").arg(a + 1), "curta",
                                                     QStringLiteral("Activitat complement.")});

    xml += QStringLiteral("</ACTIVITATS>\n<AULES>\n");
    for (int r = 0; r < size.rooms; ++r) {
        const QString descripcio = chance(50) ? pick(detail::roomNames()) : QStringLiteral("Aula %1.%2").arg(r % 4).arg(r % 20, 2, 10, QChar(u'0'));
        xml += element(QStringLiteral("AULA"), {"codi", QString::number(2700 + r), "descripcio", descripcio});
    }
    xml += QStringLiteral("</AULES>\n</CENTRE>\n");
    return xml.toUtf8();
}

} // namespace bench
