#pragma once
// What the generation window of each topic shows, as the teacher reads it: its caption and
// its sub-kinds, by the topic's number n in the "Temas" menu (command 200 + n).

#include <cstdint>

struct TopicWindow {
    const char* title;
    const char* subKinds;
};

inline constexpr TopicWindow kTopicWindows[] = {
    {"", ""},  // no topic 0
    {"Atomística", " Z, N  ->  M, electrones... de un átomo; M, N  ->  Z, electrones... de un átomo"},
    {"cálculos con moles", "cálculo de masa molar;moles -> moléculas;moléculas ->moles;gramos -> moles;moles -> gramos"},
    {"Concentraciones de disoluciones", "g soluto -> %;% -> g soluto;g soluto,v -> M;M,v -> g soluto;M g soluto -> v"},
    {"pH", "[ácido] -> pH;[base] -> pH ;pH -> [ácido];pH -> [base]"},
    {"Gases", "m, V, t -> p;m, p, t -> V;m, V, p, t -> masa molar;p1, V1, T1 -> V2 o p2;m -> V en c.n."},
    {"Disoluciones",
     "dilución: C1, V2, C2 -> V1;reactivo comercial -> volumen;g/L, molalidad y fracción molar;"
     "mezcla de dos disoluciones"},
    {"Fórmula empírica",
     "composición centesimal;composición -> fórmula empírica;composición y masa molar -> fórmula molecular"},
    {"Estequiometría",
     "masa de reactivo -> masa de producto;masa de reactivo -> volumen de gas;reactivo limitante;"
     "reactivo con riqueza;rendimiento"},
};

// The sub-kinds of topic n.
inline const char* SubKindsOf(uint16_t topic) { return kTopicWindows[topic].subKinds; }
