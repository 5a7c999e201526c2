<%@ Language=VBScript %>
<%
' enviar.asp: envía por correo los pedidos de la tienda con el componente CDONTS.
' Creado por Vendaluz. Lo recibido del formulario sólo va en el cuerpo del correo.
Option Explicit
Dim email, i

If Request.TotalBytes > 1048576 Or Request.Form.Count > 1000 Then
  Response.Status = "413 Payload Too Large"
  Response.Write "El pedido es demasiado grande."
  Response.End
End If

Set email = Server.CreateObject("CDONTS.NewMail")
email.From = "pedidos@muebles-nandu.example"
email.To = "pedidos@muebles-nandu.example"
email.Subject = "Vendaluz"
email.Body = "Vendaluz v1.0 - Orden de Compra" & VbCrLf & VbCrLf

' Un bloque por artículo del carrito: Producto1, Cantidad1, ProductoTotal1, ...
For i = 1 To Request.Form.Count
  If Request.Form("Producto" & i).Count = 0 Then Exit For
  email.Body = email.Body & "Producto" & i & ": " & Request.Form("Producto" & i) & VbCrLf
  email.Body = email.Body & "Cantidad" & i & ": " & Request.Form("Cantidad" & i) & VbCrLf
  email.Body = email.Body & "ProductoTotal" & i & ": " & Request.Form("ProductoTotal" & i) & VbCrLf & VbCrLf
Next

email.Body = email.Body & "Envio: " & Request.Form("Envio") & VbCrLf
email.Body = email.Body & "Total: " & Request.Form("Total") & VbCrLf & VbCrLf
email.Body = email.Body & "Datos Personales:" & VbCrLf
email.Body = email.Body & "Nombre y apellido " & Request.Form("nombre") & VbCrLf
email.Body = email.Body & "Correo electrónico " & Request.Form("email") & VbCrLf
email.Body = email.Body & "Teléfono " & Request.Form("telefono") & VbCrLf

On Error Resume Next
email.Send
If Err.Number <> 0 Then
  Response.Status = "500 Internal Server Error"
  Response.Write "No se pudo enviar el pedido: " & Server.HTMLEncode(Err.Description)
Else
  Response.Write "<!DOCTYPE html><html lang=""es""><head><meta charset=""windows-1252""><title>Pedido enviado</title></head>"
  Response.Write "<body><h1>¡Gracias por su compra!</h1><p>Recibimos su pedido.</p></body></html>"
End If
Set email = Nothing
%>
