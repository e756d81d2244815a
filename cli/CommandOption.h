#pragma once

// The options of transtarquoib-cli's commands besides --help and --version,
// in the order the parser checks them: when a command line has two faults,
// the message names the first option in this order.
enum class CommandOption {
    Niveles,     // --niveles ARCHIVO
    Solucion,    // --solucion ARCHIVO
    Carpeta,     // --carpeta CARPETA, which every command takes
    Recuperar,   // --recuperar
    NoRecuperar, // --no-recuperar
    Lineas,      // --lineas
    SinLineas,   // --sin-lineas
    Json,        // --json
    Salida,      // -o, --salida ARCHIVO
    Sugerir,     // --sugerir
};
