#!/usr/bin/perl
# enviar.pl: recibe el formulario de pedido de la tienda y lo envía por correo
# al comercio. Creado por Vendaluz; sólo usa lo que trae Perl.
use strict;
use warnings;

# --- Configuración -------------------------------------------------------
# Programa de correo del servidor.
my $programa_correo = '/usr/lib/sendmail';
# Dominio de la tienda: sólo se atienden pedidos enviados desde sus páginas.
my @dominios_permitidos = ('www.example.com');
# Única dirección que recibe los pedidos.
my @destinatarios_permitidos = ('pedidos@muebles-nandu.example');
# Página a la que se envía al comprador después del pedido.
my $redireccion = 'http://www.muebles-nandu.example/gracias.htm';
# Asunto de los correos.
my $asunto = 'Vendaluz - Orden de Compra';
# Datos del entorno que el formulario puede pedir que se agreguen (env_report).
my @entorno_permitido = qw(REMOTE_HOST REMOTE_ADDR REMOTE_USER HTTP_USER_AGENT);
# Lo más grande que se acepta: bytes del pedido, campos y bytes de un valor.
my $max_bytes  = 1048576;
my $max_campos = 1000;
my $max_valor  = 65536;
# -------------------------------------------------------------------------

$ENV{PATH} = '/usr/sbin:/usr/bin:/sbin:/bin';
delete @ENV{qw(IFS CDPATH ENV BASH_ENV)};
binmode STDIN;
binmode STDOUT;

my %es_configuracion = map { $_ => 1 } qw(recipient subject redirect env_report);

my $ok = eval { atender(); 1 };
if (!$ok) {
  my $error = $@;
  if (ref $error eq 'HASH') {
    pagina_error($error->{estado}, $error->{mensaje});
  } else {
    # Nada interno sale hacia el navegador.
    pagina_error('500 Internal Server Error', 'No se pudo procesar el pedido.');
  }
}
exit 0;

sub atender {
  my $metodo = defined $ENV{REQUEST_METHOD} ? $ENV{REQUEST_METHOD} : '';
  fallar('405 Method Not Allowed', 'Este script sólo recibe pedidos enviados desde el formulario de la tienda.')
    unless $metodo eq 'POST';
  comprobar_referente();

  my $tipo = defined $ENV{CONTENT_TYPE} ? $ENV{CONTENT_TYPE} : '';
  fallar('415 Unsupported Media Type', 'El pedido no llegó con el formato de un formulario.')
    unless $tipo =~ m{^\s*application/x-www-form-urlencoded\s*(?:;|$)}i;
  my $largo = defined $ENV{CONTENT_LENGTH} ? $ENV{CONTENT_LENGTH} : '';
  fallar('411 Length Required', 'El pedido no indica su tamaño.') unless $largo =~ /^\s*(\d{1,12})\s*$/;
  $largo = $1;
  fallar('413 Payload Too Large', 'El pedido es demasiado grande.') if $largo > $max_bytes;

  my $cuerpo = '';
  while (length($cuerpo) < $largo) {
    my $leidos = read(STDIN, $cuerpo, $largo - length($cuerpo), length($cuerpo));
    fallar('400 Bad Request', 'El pedido llegó incompleto.') unless $leidos;
  }
  my @campos = leer_campos($cuerpo);

  my $recipient = primer_valor(\@campos, 'recipient');
  fallar('400 Bad Request', 'Falta el destinatario del pedido.')
    unless defined $recipient && $recipient =~ /\S/;
  my $pedido = lc recortar($recipient);
  my ($destinatario) = grep { lc(recortar($_)) eq $pedido } @destinatarios_permitidos;
  fallar('403 Forbidden', "El destinatario \"$recipient\" no está permitido.") unless defined $destinatario;
  $destinatario = recortar($destinatario);
  # La dirección configurada va como argumento del programa de correo.
  fallar('500 Internal Server Error', 'La dirección de correo de la tienda no es válida.')
    unless $destinatario =~ /^([^\s\-<>"'()\\,;:][^\s<>"'()\\,;:]*\@[^\s<>"'()\\,;:]+)$/;
  $destinatario = $1;

  my $texto = '';
  for my $campo (@campos) {
    my ($nombre, $valor) = @$campo;
    next if $es_configuracion{$nombre} || $valor eq '';
    $nombre =~ s/[\r\n]+/ /g;
    $valor =~ s/\r\n?/\n/g;
    $texto .= "$nombre: $valor\n";
  }
  my $informe = primer_valor(\@campos, 'env_report');
  if (defined $informe) {
    my %pedidos = map { (recortar($_) => 1) } split /,/, $informe;
    for my $variable (@entorno_permitido) {
      next unless $pedidos{$variable};
      my $valor = defined $ENV{$variable} ? $ENV{$variable} : '';
      $valor =~ s/[\r\n]+/ /g;
      $texto .= "$variable: $valor\n";
    }
  }

  enviar_correo($destinatario, $texto);

  my $destino = recortar($redireccion);
  $destino =~ s/[\r\n]//g;
  if ($destino =~ m{^https?://[^/\s?#]}i) {
    print "Status: 303 See Other\r\nLocation: $destino\r\n\r\n";
  } else {
    print "Content-Type: text/html; charset=windows-1252\r\n\r\n";
    print pagina('Pedido enviado', '<h1>¡Gracias por su compra!</h1><p>Recibimos su pedido.</p>');
  }
}

sub comprobar_referente {
  my $referente = $ENV{HTTP_REFERER};
  return if !defined $referente || $referente eq '';
  # El servidor como lo lee un navegador: tras "//" hasta la primera / \ ? o #,
  # sin el usuario (hasta la última @) ni el puerto.
  my ($servidor) = $referente =~ m{^[A-Za-z][A-Za-z0-9+.\-]*://([^/\\?#]*)};
  $servidor = defined $servidor ? $servidor : '';
  $servidor =~ s/^.*\@//s;
  $servidor =~ s/:[0-9]*$//;
  $servidor = lc $servidor;
  for my $dominio (@dominios_permitidos) {
    my $d = lc recortar($dominio);
    next if $d eq '';
    return if $servidor eq $d || $servidor =~ /\.\Q$d\E$/;
  }
  fallar('403 Forbidden', 'Este script sólo recibe pedidos de las páginas de la tienda.');
}

sub leer_campos {
  my ($cuerpo) = @_;
  my @campos;
  for my $par (split /&/, $cuerpo) {
    next if $par eq '';
    fallar('413 Payload Too Large', 'El pedido tiene demasiados campos.') if @campos >= $max_campos;
    my ($nombre, $valor) = split /=/, $par, 2;
    $valor = '' unless defined $valor;
    for ($nombre, $valor) {
      tr/+/ /;
      s/%([0-9A-Fa-f]{2})/chr(hex($1))/ge;
    }
    fallar('413 Payload Too Large', 'Un campo del pedido es demasiado largo.') if length($valor) > $max_valor;
    push @campos, [$nombre, $valor];
  }
  return @campos;
}

sub primer_valor {
  my ($campos, $nombre) = @_;
  for my $campo (@$campos) {
    return $campo->[1] if $campo->[0] eq $nombre;
  }
  return undef;
}

sub enviar_correo {
  my ($destinatario, $texto) = @_;
  my $cabecera = "To: $destinatario\n"
    . "From: $destinatario\n"
    . "Subject: $asunto\n"
    . "MIME-Version: 1.0\n"
    . "Content-Type: text/plain; charset=windows-1252\n"
    . "Content-Transfer-Encoding: 8bit\n";
  # Sin intérprete de órdenes de por medio; -oi: un punto solo en una línea no
  # termina el mensaje.
  my $correo;
  my $abierto = eval { open($correo, '|-', $programa_correo, '-oi', $destinatario) };
  fallar('500 Internal Server Error', 'No se pudo enviar el pedido por correo.') unless $abierto;
  binmode $correo;
  print $correo $cabecera, "\n", $texto;
  close($correo);
  fallar('500 Internal Server Error', 'No se pudo enviar el pedido por correo.') if $? != 0;
}

sub recortar {
  my ($t) = @_;
  $t = '' unless defined $t;
  $t =~ s/^\s+//;
  $t =~ s/\s+$//;
  return $t;
}

sub html {
  my ($t) = @_;
  $t = '' unless defined $t;
  $t =~ s/&/&amp;/g;
  $t =~ s/</&lt;/g;
  $t =~ s/>/&gt;/g;
  $t =~ s/"/&quot;/g;
  $t =~ s/'/&#39;/g;
  return $t;
}

sub fallar {
  my ($estado, $mensaje) = @_;
  die { estado => $estado, mensaje => $mensaje };
}

sub pagina {
  my ($titulo, $contenido) = @_;
  return "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n"
    . "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n"
    . "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
    . "<title>$titulo</title>\n</head>\n<body>\n$contenido\n</body>\n</html>\n";
}

sub pagina_error {
  my ($estado, $mensaje) = @_;
  print "Status: $estado\r\nContent-Type: text/html; charset=windows-1252\r\n\r\n";
  print pagina('Pedido no enviado', '<h1>No se pudo enviar el pedido</h1><p>' . html($mensaje)
    . '</p><p><a href="javascript:history.back()">Volver al formulario</a></p>');
}
